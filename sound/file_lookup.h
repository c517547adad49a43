#pragma once

#include <string>

namespace korvane {

// True when the path names an existing regular file (symbolic links followed). Never opens
// the file, so a FIFO or device of that name cannot block. A name that cannot exist is
// simply false; a lookup that fails for any other reason throws SoundError.
bool isRegularFile(const std::string& path);

}  // namespace korvane
