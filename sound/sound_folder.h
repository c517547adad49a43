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
// folder of the program in `programFolder`: its own location, never the working directory or
// the environment. Empty when that location is unknown; the sounds are then simply missing.
std::string soundFolder(const std::filesystem::path& programFolder);

// Why the game will play no sound from `folder` (as soundFolder() gave it), for one line on
// stderr; empty when the folder is there.
std::string soundFolderProblem(const std::string& folder);

}  // namespace korvane
