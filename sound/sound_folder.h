#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvane {

// The game's own wave files, letter case kept.
inline constexpr std::string_view kFiredUpWave = "FiredUp.wav";    // start-up
inline constexpr std::string_view kLaunchWave = "launch.wav";      // a launch
inline constexpr std::string_view kRedLightWave = "redlight.wav";  // a red light

// The data folder that belongs to an executable: share/korvane beside its bin/ folder.
std::filesystem::path soundFolderFor(const std::filesystem::path& executable);

// The game's fixed sound folder (its install folder on the old platform), mapped to the data
// folder of this executable: found from its own location, never from the working directory or
// the environment. Empty when the location cannot be read; the sounds are then simply missing.
std::string soundFolder();

// The full path of one of the game's wave files, or empty when the folder is unknown.
std::string soundFile(std::string_view name);

}  // namespace korvane
