#include "sound/sound_report.h"

#include <cstdio>

namespace korvane {

void reportSoundProblem(const std::string& path, const std::string& reason) {
    const std::string line = "korvane: sound " + path + ": " + reason + "\n";
    std::fputs(line.c_str(), stderr);
}

}  // namespace korvane
