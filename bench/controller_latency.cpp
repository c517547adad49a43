// What a game controller's button costs and how soon the game shows it, read from the screen:
//   scripts/with-pulse-null-sink scripts/with-xvfb build/default/bench/controller_latency
//       [GAME] [races]
// The benchmarks' build of the game (bin/korvane-bench) has a virtual one-button joystick
// pressed through a named pipe (KORVANE_BENCH_JOYSTICK); the times start as the byte is written, so
// they include SDL reading the virtual device. Each release comes just after the ambers: a red
// light. Also counts the controller thread's wake-ups and CPU over 10 s with no controller and with
// one idle controller.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/game_process.h"
#include "bench/race_screen.h"
#include "bench/x_probe.h"
#include "race/main_form.h"

namespace {

using namespace korvane;
using namespace korvane::bench;

// The number after "name:" in a /proc status file, or 0.
long long field(const std::string& path, const std::string& name) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name + ":", 0) == 0) return std::stoll(line.substr(name.size() + 1));
    }
    return 0;
}

// The game's controller thread, found by its name.
std::string readerTask(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (std::getline(comm, name) && name == "controllers") return task.path().string();
    }
    throw std::runtime_error("no controller thread in the game");
}

// Wake-ups a second and share of a core of the controller thread over ten seconds.
void idle(pid_t pid, const char* state) {
    const std::string task = readerTask(pid);
    const auto wakeUps = [&] { return field(task + "/status", "voluntary_ctxt_switches"); };
    const auto cpuNs = [&] {
        std::ifstream in(task + "/schedstat");
        long long ns = 0;
        in >> ns;
        return ns;
    };
    const long long w0 = wakeUps(), c0 = cpuNs();
    sleepMs(10000);
    std::printf("%-28s %6.1f wake-ups/s  %6.3f %% of a core\n", state,
                static_cast<double>(wakeUps() - w0) / 10.0,
                static_cast<double>(cpuNs() - c0) / 1e10 * 100.0);
}

void press(int pipe, char what) {
    if (::write(pipe, &what, 1) != 1) throw std::runtime_error("the pipe to the game broke");
}

void race(int pipe, const XProbe& probe, Window window, const MainForm& form,
          std::vector<double>& downs, std::vector<double>& ups) {
    const double pressed = monotonicMs();
    press(pipe, 'd');
    if (!waitForButton(probe, window, form, kLitAmber, pressed + 3000)) {
        throw std::runtime_error("the race button did not turn yellow");
    }
    downs.push_back(monotonicMs() - pressed);
    sleepMs(pressed + 2930 - monotonicMs());  // just after the ambers are due
    const double released = monotonicMs();
    press(pipe, 'u');
    const Point red = centreOf(form.Shape5);
    while (monotonicMs() < released + 3000) {
        if (probe.pixel(window, red.x, red.y) == kLitRed) {
            ups.push_back(monotonicMs() - released);
            break;
        }
    }
    sleepMs(1500);  // the red-light sound holds the game
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string game = argc > 1 ? argv[1] : "build/default/bin/korvane-bench";
    const int races = argc > 2 ? std::stoi(argv[2]) : 25;
    MainForm form;
    XProbe probe;
    {
        GameProcess running(game);
        waitForRaceWindow(probe, form);
        idle(running.pid(), "no controller:");
    }
    const std::string fifo = "/tmp/korvane-bench-joystick-" + std::to_string(getpid());
    if (mkfifo(fifo.c_str(), 0600) != 0) throw std::runtime_error("cannot make " + fifo);
    setenv("KORVANE_BENCH_JOYSTICK", fifo.c_str(), 1);
    GameProcess running(game);
    const Window window = waitForRaceWindow(probe, form);
    const int pipe = ::open(fifo.c_str(), O_WRONLY);
    std::filesystem::remove(fifo);
    idle(running.pid(), "one idle controller:");
    std::vector<double> downs, ups;
    for (int i = 0; i < races; ++i) race(pipe, probe, window, form, downs, ups);
    std::printf("%s, %d races\n", game.c_str(), races);
    printPercentiles("button down -> race button yellow on screen", downs, "p50 <= 2, p99 <= 5");
    printPercentiles("button up -> red lamp on screen", ups, "p50 <= 2, p99 <= 5");
    ::close(pipe);
}
