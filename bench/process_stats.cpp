#include "process_stats.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace korvane::bench {

namespace {

// The number after "name:" in a /proc status file, or 0.
long long statusField(const std::string& path, const std::string& name) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name + ":", 0) == 0) return std::stoll(line.substr(name.size() + 1));
    }
    return 0;
}

}  // namespace

long long contextSwitches(pid_t pid) {
    long long sum = 0;
    std::error_code ignored;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, ignored)) {
        const std::string status = task.path().string() + "/status";
        sum += statusField(status, "voluntary_ctxt_switches") +
               statusField(status, "nonvoluntary_ctxt_switches");
    }
    return sum;
}

double cpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    std::istringstream rest(all.substr(all.rfind(')') + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 1; i <= 13 && rest >> field; ++i) {
        if (i == 12) utime = std::stoll(field);
        if (i == 13) stime = std::stoll(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double peakRssMb(pid_t pid) {
    return static_cast<double>(statusField("/proc/" + std::to_string(pid) + "/status", "VmHWM")) /
           1024.0;
}

}  // namespace korvane::bench
