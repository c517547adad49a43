#include "bench/practice_config.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bench/temp_folder.h"
#include "bench/x_probe.h"

namespace korvane::bench {

void practiceSettingsForBench(const std::string& lines) {
    const std::string folder = folderUntilExit();
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    if (lines.empty()) return;
    std::filesystem::create_directories(std::string(folder) + "/korvane");
    std::ofstream(std::string(folder) + "/korvane/practice.conf") << lines;
}

int carDelayForBench() {
    const char* asked = std::getenv("KORVANE_BENCH_CAR_DELAY_MS");
    return asked != nullptr ? std::atoi(asked) : 0;
}

std::string practiceForBench(XProbe& probe) {
    const char* asked = std::getenv("KORVANE_BENCH_RACE_KEY");
    const bool key = asked != nullptr && std::string(asked) == "1";
    std::string lines = key ? "[raceKey]\nkey=70\nname=F\n" : "";
    if (const int delay = carDelayForBench(); delay > 0) {
        lines += "[carDelay]\nms=" + std::to_string(delay) + "\n";
    }
    practiceSettingsForBench(lines);
    if (!key) return "mouse";
    probe.useKey("F");
    return "key";
}

}  // namespace korvane::bench
