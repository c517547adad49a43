#pragma once

#include <functional>
#include <memory>

namespace korvane::input {

// A joystick inside the game, beside the real ones: the game itself has none; the benchmarks'
// build of the game links one fed through a named pipe in place of this file's default.
struct ExtraJoystick {
    int id = -1;                 // -1: none
    std::shared_ptr<void> keep;  // open while this lives
};

// Called on the reader's thread once SDL's joystick support is up; `wake` wakes the reader.
ExtraJoystick openExtraJoystick(std::function<void()> wake);

}  // namespace korvane::input
