#pragma once

#include <string>

namespace korvane {

// The message shown when the player quits: one line, which the message box wraps.
std::string farewellMessage();

}  // namespace korvane
