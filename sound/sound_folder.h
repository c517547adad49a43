#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/sound_names.h"

namespace korvane {

// The data folder that belongs to an executable: share/korvane beside its bin/ folder.
std::filesystem::path soundFolderFor(const std::filesystem::path& executable);

// The game's fixed sound folder (its install folder on the old platform), mapped to the data
// folder of this executable: found from its own location, never from the working directory or
// the environment. Empty when the location cannot be read; the sounds are then simply missing.
std::string soundFolder();

// The full path of one of the game's wave files, or empty when the folder is unknown.
std::string soundFile(std::string_view name);

}  // namespace korvane
