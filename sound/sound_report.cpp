#include "sound/sound_report.h"

#include <cstdio>
#include <mutex>
#include <set>

namespace korvane {

void reportSoundProblem(const std::string& path, const std::string& reason) {
    static std::mutex mutex;
    static std::set<std::string> told;
    const std::string line = "korvane: sound " + path + ": " + reason + "\n";
    const std::lock_guard lock(mutex);
    if (told.insert(line).second) std::fputs(line.c_str(), stderr);
}

}  // namespace korvane
