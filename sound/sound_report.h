#pragma once

#include <string>

namespace korvane {

// Tells stderr, in one line, which sound did not come out as it should and why, so a bug report
// has something to go on; the player's screen shows only what it always did. A line already
// told is not told again: the same sound failing at every release would bury the rest.
void reportSoundProblem(const std::string& path, const std::string& reason);

}  // namespace korvane
