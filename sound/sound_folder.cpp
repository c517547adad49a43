#include "sound/sound_folder.h"

#include <system_error>

namespace korvane {

std::string_view dataFolderFromBin() {
    return KORVANE_DATA_FROM_BIN;
}

std::filesystem::path soundFolderFor(const std::filesystem::path& executable,
                                     std::string_view fromBin) {
    return (executable.parent_path() / fromBin).lexically_normal();
}

std::string soundFolder() {
    // The kernel's link names the real file, so a symlink to the game leads here too.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || self.empty()) return {};
    return soundFolderFor(self).string();
}

std::string soundFile(std::string_view name) {
    const std::string folder = soundFolder();
    if (folder.empty()) return {};
    return folder + "/" + std::string(name);
}

std::string soundFolderProblem(const std::string& folder) {
    const std::string silent = "; the game plays without sound";
    if (folder.empty()) return "korvane: cannot read the game's own location" + silent;
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return {};
    return "korvane: no data folder at " + folder + silent;
}

}  // namespace korvane
