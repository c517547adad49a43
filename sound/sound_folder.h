#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/sound_names.h"

namespace korvane {

// The path from the installed bin folder to the data folder, fixed when the game is configured.
std::string_view dataFolderFromBin();

// The data folder that belongs to a program: `fromBin` taken from the program's folder.
std::filesystem::path soundFolderFor(const std::filesystem::path& programFolder,
                                     std::string_view fromBin = dataFolderFromBin());

// The game's fixed sound folder (its install folder on the old platform), mapped to the data
// folder of this executable: found from its own location, never from the working directory or
// the environment. Empty when the location cannot be read; the sounds are then simply missing.
std::string soundFolder();

// The full path of one of the game's wave files, or empty when the folder is unknown.
std::string soundFile(std::string_view name);

// Why the game will play no sound from `folder` (as soundFolder() gave it), for one line on
// stderr; empty when the folder is there.
std::string soundFolderProblem(const std::string& folder);

}  // namespace korvane
