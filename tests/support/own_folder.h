#pragma once

#include <filesystem>

namespace korvane::testing {

// This program's own folder as the system names it, symlinks resolved: where the build put it.
inline std::filesystem::path ownFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace korvane::testing
