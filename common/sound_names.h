#pragma once

#include <string_view>

namespace korvane {

// The game's own wave files in its data folder, letter case kept. The build reads the names
// from here too, to know which files it synthesises and installs.
inline constexpr std::string_view kFiredUpWave = "FiredUp.wav";    // start-up
inline constexpr std::string_view kLaunchWave = "launch.wav";      // a launch
inline constexpr std::string_view kRedLightWave = "redlight.wav";  // a red light

}  // namespace korvane
