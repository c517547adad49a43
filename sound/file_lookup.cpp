#include "sound/file_lookup.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "sound/sound_error.h"

namespace korvane {

namespace {

// ENOENT: nothing of that name, or a dangling symlink. ENOTDIR: a component of the path is a
// file, so nothing can live under it; both are "no such file" and stay silent. Everything
// else (EACCES on a folder of the path, ELOOP, ENAMETOOLONG, EIO, ENOMEM, ...) means the
// lookup itself failed and could not tell us whether the file is there: that is an error.
bool meansNoSuchFile(int error) {
    return error == ENOENT || error == ENOTDIR;
}

}  // namespace

bool isRegularFile(const std::string& path) {
    // No file name holds a NUL; stopping at one would look up a different, shorter path.
    if (path.find('\0') != std::string::npos) return false;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        if (meansNoSuchFile(error)) return false;
        throw SoundError(std::string("file lookup failed: ") + std::strerror(error));
    }
    return S_ISREG(info.st_mode);
}

}  // namespace korvane
