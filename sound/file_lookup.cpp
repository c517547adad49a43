#include "sound/file_lookup.h"

#include <filesystem>
#include <system_error>

#include "sound/sound_error.h"

namespace korvane {

bool isRegularFile(const std::string& path) {
    // No file name holds a NUL; stopping at one would look up a different, shorter path.
    if (path.find('\0') != std::string::npos) return false;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    // Nothing of that name, a dangling link, or a path through a file: no file, silently. Any
    // other failure (no search permission, a link loop, a name too long) could not tell us.
    if (status.type() == std::filesystem::file_type::not_found) return false;
    if (error) throw SoundError("file lookup failed: " + error.message());
    return std::filesystem::is_regular_file(status);
}

}  // namespace korvane
