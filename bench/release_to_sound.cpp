// How soon the launch sound reaches the sound server once the game asks for it, how close to the
// sound's end PlayWave returns, and how often the game's threads wake while it plays. Plays
// launch.wav through PlayWave on a private PulseAudio null sink whose monitor a recorder reads,
// timing PlayWave's call against the first sample the recorder receives (this measures the sound
// layer alone: the release handler's repaints before the sound are not included).
//   build/default/bench/release_to_sound [plays]
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench/sink_monitor.h"
#include "sound/mod_play_wave.h"
#include "sound/sdl_wave_output.h"
#include "sound/sound_folder.h"
#include "tests/support/own_folder.h"
#include "tests/support/pulse_null_sink.h"

namespace {

using Clock = std::chrono::steady_clock;

class PrintedMessages : public korvane::MessageBoxes {
  public:
    void show(const std::string& text) override { std::cerr << "message: " << text << "\n"; }
};

struct ThreadSwitches {
    std::string name;
    long count = 0;
};

// Context switches so far of each of this process's threads but the recorder's reader.
std::map<int, ThreadSwitches> contextSwitches() {
    std::map<int, ThreadSwitches> switches;
    DIR* tasks = ::opendir("/proc/self/task");
    while (dirent* entry = tasks != nullptr ? ::readdir(tasks) : nullptr) {
        const int thread = std::atoi(entry->d_name);
        if (thread == 0 || thread == korvane::bench::SinkMonitor::readerThread) continue;
        std::ifstream status(std::string("/proc/self/task/") + entry->d_name + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("Name:", 0) == 0) switches[thread].name = line.substr(6);
            if (line.find("ctxt_switches:") != std::string::npos) {
                switches[thread].count += std::atol(line.substr(line.find(':') + 1).c_str());
            }
        }
    }
    if (tasks != nullptr) ::closedir(tasks);
    return switches;
}

// Switches made between two counts by the threads alive at the second (new ones from zero),
// added to the totals of each thread name.
long switchesBetween(const std::map<int, ThreadSwitches>& before,
                     const std::map<int, ThreadSwitches>& after,
                     std::map<std::string, long>& byName) {
    long total = 0;
    for (const auto& [thread, now] : after) {
        const auto earlier = before.find(thread);
        const long made = now.count - (earlier != before.end() ? earlier->second.count : 0);
        byName[now.name] += made;
        total += made;
    }
    return total;
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void printFigures(const char* what, std::vector<double> values, const char* target) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double share) {
        return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
    };
    std::printf("%-44s p50 %7.1f  p95 %7.1f  max %7.1f   target %s\n", what, at(0.5), at(0.95),
                values.back(), target);
}

}  // namespace

int main(int argc, char** argv) {
    const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (!korvane::testing::PulseNullSink::installed()) {
        std::cerr << "pulseaudio and pulseaudio-utils are needed\n";
        return 1;
    }
    korvane::testing::PulseNullSink sink;
    sink.routeSdlAudioHere();
    for (const auto& [name, value] : sink.clientEnvironment())
        ::setenv(name.c_str(), value.c_str(), 1);
    korvane::bench::SinkMonitor monitor;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the recorder gets going
    korvane::SdlWaveOutput output;
    PrintedMessages messages;
    korvane::modPlayWave player(output, messages);
    const std::string launch = korvane::soundFolder(korvane::testing::ownFolder()) + "/" +
                               std::string(korvane::kLaunchWave);
    player.PlayWave(launch);  // the first call also starts SDL's audio: not counted

    std::vector<double> firstSample, returnAfterLast, switchesPerSecond;
    std::map<std::string, long> switchesByName;
    double playingMs = 0;
    for (int i = 0; i < plays; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));  // a player's pace
        const std::map<int, ThreadSwitches> switchesBefore = contextSwitches();
        const Clock::time_point called = Clock::now();
        player.PlayWave(launch);
        const Clock::time_point returned = Clock::now();
        playingMs += ms(returned - called);
        switchesPerSecond.push_back(
            switchesBetween(switchesBefore, contextSwitches(), switchesByName) * 1000.0 /
            ms(returned - called));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the recorder catches up
        const auto heard = monitor.audibleBetween(called, returned + std::chrono::seconds(1));
        if (heard.empty()) {
            std::cerr << "play " << i << ": nothing reached the sink\n";
            continue;
        }
        firstSample.push_back(ms(heard.front() - called));
        returnAfterLast.push_back(ms(returned - heard.back()));
    }
    if (firstSample.empty()) return 1;
    std::printf(
        "launch.wav through PlayWave on a PulseAudio null sink, %d plays (ms; times are\n"
        "when a recorder on the sink's monitor received the samples)\n",
        plays);
    printFigures("PlayWave called -> first sample at the sink", firstSample, "p50 <= 3");
    printFigures("last sample at the sink -> PlayWave returned", returnAfterLast,
                 ">= 0, p50 <= 40");
    printFigures("context switches a second while it plays", switchesPerSecond, "<= 60");
    for (const auto& [name, count] : switchesByName) {
        std::printf("  of which thread %-16s %7.1f a second\n", name.c_str(),
                    count * 1000.0 / playingMs);
    }
    return 0;
}
