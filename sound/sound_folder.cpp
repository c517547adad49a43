#include "sound/sound_folder.h"

#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

#include <memory>
#include <system_error>

namespace korvane {

std::string_view dataFolderFromBin() {
    return KORVANE_DATA_FROM_BIN;
}

std::filesystem::path soundFolderFor(const std::filesystem::path& programFolder,
                                     std::string_view fromBin) {
    return (programFolder / fromBin).lexically_normal();
}

std::string soundFolder() {
    // SDL asks the system for the real file, so a symlink to the game leads here too.
    const std::unique_ptr<char, decltype(&SDL_free)> folder(SDL_GetBasePath(), SDL_free);
    if (!folder) return {};
    const auto* utf8 = reinterpret_cast<const char8_t*>(folder.get());  // SDL speaks UTF-8
    return soundFolderFor(std::filesystem::path(utf8)).string();
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
