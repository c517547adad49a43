#pragma once

#include "input/controller_reader.h"

namespace korvane::ui {

class QtWindowSystem;

// Passes the controllers' presses and releases, read on their own thread, to the race window
// on the event loop's thread; none reach the game before its race window is loaded.
input::ControllerReader::Sink raceWindowSink(const QtWindowSystem& windows);

}  // namespace korvane::ui
