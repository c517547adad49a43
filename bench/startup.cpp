// What the game costs to start and to leave running:
//   scripts/with-pulse-null-sink scripts/with-xvfb build/default/bench/startup
//       [GAME] [MINIMAL] [starts]
// Times launch -> the splash's first frame on screen against bench/minimal_window (a bare Qt
// window of the splash's size built with the same flags), and that frame -> the start-up
// sound's first sample at the null sink; then plays on one game and counts its context
// switches and CPU time in each state, and its peak resident memory.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/game_process.h"
#include "bench/process_stats.h"
#include "bench/race_screen.h"
#include "bench/sink_monitor.h"

namespace {

using namespace korvane;
using namespace korvane::bench;

// Until the first frame: the window of the splash's size shows the colour at the point.
double untilFirstFrame(const XProbe& probe, double started, Point at, long colour) {
    while (monotonicMs() < started + 30000) {
        const Window w = probe.findBySize(456, 232);
        if (w && probe.pixel(w, at.x, at.y) == colour) return monotonicMs() - started;
    }
    throw std::runtime_error("no first frame");
}

double firstFrameMs(const XProbe& probe, const std::string& program, Point at, long colour) {
    const double started = monotonicMs();
    GameProcess running(program);
    return untilFirstFrame(probe, started, at, colour);
}

// The first frame, then how long after it the start-up sound's first sample reached the sink
// (none in 5 s: not counted).
void gameStart(const XProbe& probe, SinkMonitor& sink, const std::string& game,
               std::vector<double>& frameMs, std::vector<double>& soundMs) {
    const auto started = SinkMonitor::Clock::now();
    const double startedMs = monotonicMs();
    GameProcess running(game);
    frameMs.push_back(untilFirstFrame(probe, startedMs, {20, 20}, 0xFFFF00));  // the yellow name
    const auto frame = started + std::chrono::microseconds(std::lround(frameMs.back() * 1000));
    while (SinkMonitor::Clock::now() < frame + std::chrono::seconds(5)) {
        const auto heard = sink.audibleBetween(started, SinkMonitor::Clock::now());
        if (!heard.empty()) {
            soundMs.push_back(
                std::chrono::duration<double, std::milli>(heard.front() - frame).count());
            return;
        }
        sleepMs(5);
    }
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void startUp(XProbe& probe, const std::string& game, const std::string& minimal, int starts) {
    SinkMonitor sink;
    std::vector<double> gameMs, minimalMs, soundMs;
    for (int i = 0; i < starts; ++i) {
        gameStart(probe, sink, game, gameMs, soundMs);
        sleepMs(300);
        minimalMs.push_back(firstFrameMs(probe, minimal, {100, 20}, 0x598CC9));
        sleepMs(300);
    }
    printPercentiles("launch -> splash's first frame", gameMs, "<= 1.3x the minimal window");
    printPercentiles("launch -> minimal window's first frame", minimalMs, "");
    std::printf("start-up ratio (medians): %.2fx   (target <= 1.3x)\n",
                median(gameMs) / median(minimalMs));
    if (!soundMs.empty()) {
        printPercentiles("splash's first frame -> start-up sound at the sink", soundMs, "");
    }
}

// Context switches and CPU over a stretch of time, per 10 s.
void measure(pid_t pid, const char* state, double seconds, const char* target) {
    const long long switches = contextSwitches(pid);
    const double cpu = cpuSeconds(pid);
    sleepMs(seconds * 1000);
    const double per10s = static_cast<double>(contextSwitches(pid) - switches) * 10 / seconds;
    std::printf(
        "%-30s %9.0f context switches per 10 s (%6.0f a second), CPU %5.1f%% of a core   "
        "(target %s)\n",
        state, per10s, per10s / 10, 100 * (cpuSeconds(pid) - cpu) / seconds, target);
}

void hold(XProbe& probe, Window window, const MainForm& form, double ms) {
    probe.press(window, centreOf(form.Command1).x, centreOf(form.Command1).y);
    sleepMs(ms);
}

void runningCosts(XProbe& probe, const std::string& game) {
    MainForm form;
    GameProcess running(game);
    const Window window = waitForRaceWindow(probe, form);
    sleepMs(1000);
    measure(running.pid(), "idle", 10, "few");
    hold(probe, window, form, 2400 + 2000 + 300);  // past the green: a clean launch
    probe.release();
    sleepMs(2000);
    measure(running.pid(), "after a clean race", 10, "few");
    hold(probe, window, form, 2400 + 2000 + 300);
    probe.release();
    measure(running.pid(), "during the launch sound", 0.9, "<= 60 a second");
    sleepMs(1000);
    hold(probe, window, form, 200);  // a tap during the staging walk
    probe.release();
    sleepMs(3500);  // the red-light sound, then the hand-over starts the clock
    measure(running.pid(), "after a tap during the walk", 10, "paints nothing, CPU < 1%");
    std::printf("peak RSS of the game: %.1f MB   (target <= 32 MB)\n", peakRssMb(running.pid()));
}

void minimalMemory(const XProbe& probe, const std::string& minimal) {
    const double started = monotonicMs();
    GameProcess running(minimal);
    untilFirstFrame(probe, started, {100, 20}, 0x598CC9);
    sleepMs(300);
    std::printf("peak RSS of the minimal window: %.1f MB\n", peakRssMb(running.pid()));
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string game = argc > 1 ? argv[1] : "build/default/bin/korvane";
    const std::string minimal = argc > 2 ? argv[2] : "build/default/bench/minimal_window";
    const int starts = argc > 3 ? std::stoi(argv[3]) : 10;
    XProbe probe;
    std::printf("%s\n", game.c_str());
    startUp(probe, game, minimal, starts);
    runningCosts(probe, game);
    minimalMemory(probe, minimal);
}
