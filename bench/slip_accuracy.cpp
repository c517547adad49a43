// How true the time slip's R/T is against an outside observer: the player's green lamp is
// watched by polling one pixel with XGetImage, and the race button is let go through XTest a
// known delay after the green was seen. The slip's runs are then copied (Ctrl+T, Ctrl+C with
// xdotool) and read back with xclip:
//   scripts/with-pulse-null-sink scripts/with-xvfb build/default/bench/slip_accuracy
//       [GAME] [races] [busy]   (KORVANE_BENCH_CAR_DELAY_MS=400: with that car delay)
// "busy" runs stress-ng on two cores meanwhile.
#include <cmath>
#include <cstdio>
#include <memory>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/game_process.h"
#include "bench/practice_config.h"
#include "bench/race_screen.h"
#include "bench/x_probe.h"
#include "race/main_form.h"

namespace {

using namespace korvane;
using namespace korvane::bench;

// Milliseconds from when the green was first seen to when the car left: the release sent, plus
// the car delay (KORVANE_BENCH_CAR_DELAY_MS) when one is set.
double raceOnce(XProbe& probe, Window window, const MainForm& form, double delayMs) {
    const double seen = pressUntilGreen(probe, window, form, 6000);
    sleepMs(seen + delayMs - monotonicMs());
    const double released = monotonicMs();
    probe.release();
    sleepMs(1700 + carDelayForBench());  // the launch sound holds the game
    return released + carDelayForBench() - seen;
}

std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run " + command);
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
    return out;
}

// The reaction column of every run the slip copies, oldest first, in milliseconds.
std::vector<double> slipReactions(Window race) {
    run("xdotool key --window " + std::to_string(race) + " ctrl+t");
    sleepMs(1000);
    const std::string slip =
        run("xdotool search --onlyvisible --name 'Korvane Time Slip' | head -n1");
    if (slip.empty()) throw std::runtime_error("the time slip did not show");
    const std::string id = std::to_string(std::stoul(slip));
    run("xdotool mousemove --window " + id + " 300 60 click 1 key --window " + id + " ctrl+c");
    sleepMs(500);
    std::istringstream rows(run("xclip -o -selection clipboard"));
    std::vector<double> reactions;
    std::string row;
    std::getline(rows, row);  // the header
    while (std::getline(rows, row)) {
        std::istringstream fields(row);
        std::string field;
        for (int i = 0; i <= 4; ++i) std::getline(fields, field, '\t');
        reactions.push_back(field.empty() ? NAN : std::stod(field) * 1000);
    }
    return reactions;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string game = argc > 1 ? argv[1] : "build/default/bin/korvane";
    const int races = argc > 2 ? std::stoi(argv[2]) : 30;
    const bool busy = argc > 3 && std::string(argv[3]) == "busy";
    std::unique_ptr<GameProcess> stress;
    if (busy) {
        stress = std::make_unique<GameProcess>("/usr/bin/stress-ng",
                                               std::vector<std::string>{"--cpu", "2", "--quiet"});
    }
    MainForm form;
    XProbe probe;
    const std::string input = practiceForBench(probe);
    GameProcess running(game);
    const Window window = waitForRaceWindow(probe, form);
    sleepMs(500);
    std::vector<double> observed;
    for (int i = 0; i < races; ++i) {
        observed.push_back(raceOnce(probe, window, form, 150 + (i % 6) * 17));
    }
    const std::vector<double> slip = slipReactions(window);
    if (slip.size() != observed.size()) throw std::runtime_error("the slip has another count");
    std::vector<double> errors;
    std::vector<double> signedErrors;
    for (std::size_t i = 0; i < slip.size(); ++i) {
        signedErrors.push_back(slip[i] - observed[i]);
        errors.push_back(std::abs(signedErrors.back()));
    }
    std::printf("%s, %d races on the %s%s\n", game.c_str(), races, input.c_str(),
                busy ? ", two busy cores" : "");
    std::printf("mean signed error (slip - observer): %+.2f ms\n",
                std::accumulate(signedErrors.begin(), signedErrors.end(), 0.0) / races);
    printPercentiles("|slip R/T - observer R/T|", errors, busy ? "p99 <= 5" : "p50 <= 1, p99 <= 3");
}
