#include "sound/sound_folder.h"

#include <system_error>

namespace korvane {

std::string_view dataFolderFromBin() {
    return KORVANE_DATA_FROM_BIN;
}

std::filesystem::path soundFolderFor(const std::filesystem::path& programFolder,
                                     std::string_view fromBin) {
    return (programFolder / fromBin).lexically_normal();
}

std::string soundFolder(const std::filesystem::path& programFolder) {
    if (programFolder.empty()) return {};
    return soundFolderFor(programFolder).string();
}

std::string soundFolderProblem(const std::string& folder) {
    const std::string silent = "; the game plays without sound";
    if (folder.empty()) return "korvane: cannot read the game's own location" + silent;
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return {};
    return "korvane: no data folder at " + folder + silent;
}

}  // namespace korvane
