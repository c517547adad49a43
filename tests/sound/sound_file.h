#pragma once

#include <string>
#include <string_view>

#include "sound/sound_folder.h"

namespace korvane::testing {

// The full path of one of the game's wave files in this build, or empty when the folder is
// unknown.
inline std::string soundFile(std::string_view name) {
    const std::string folder = soundFolder();
    return folder.empty() ? std::string() : folder + "/" + std::string(name);
}

}  // namespace korvane::testing
