#pragma once

#include <exception>
#include <functional>

namespace korvane {

// What the program does with an error that no handler traps (an overflowing win count).
using ErrorReport = std::function<void(const std::exception&)>;

// Runs one event handler. An error it raises must not unwind through the event loop, so it is
// handed to the report (or written to stderr when there is none) and the loop goes on.
void runGuarded(const std::function<void()>& handler, const ErrorReport& report);

}  // namespace korvane
