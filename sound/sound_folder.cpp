#include "sound/sound_folder.h"

#include <system_error>

namespace korvane {

std::filesystem::path soundFolderFor(const std::filesystem::path& executable) {
    return executable.parent_path().parent_path() / "share" / "korvane";
}

std::string soundFolder() {
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

}  // namespace korvane
