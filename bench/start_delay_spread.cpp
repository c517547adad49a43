// The random start delay seen from outside: with the practice delay set to 0.5 to 2.0 s, how
// long after the press the player's green reaches the screen, over many races:
//   scripts/with-pulse-null-sink scripts/with-xvfb build/default/bench/start_delay_spread
//       [GAME] [races]
// Without the delay the green is due 4400 ms after the press; every race should land between
// 4900 and 6400 ms, spread over the whole range.
#include <algorithm>
#include <cstdio>
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

// Press -> the green's first pixel on screen, in ms; the race is let go just after it.
double raceOnce(XProbe& probe, Window window, const MainForm& form) {
    const double pressed = monotonicMs();
    const double seen = pressUntilGreen(probe, window, form, 9000) - pressed;
    probe.release();
    sleepMs(2200);  // the launch sound holds the game
    return seen;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string game = argc > 1 ? argv[1] : "build/default/bin/korvane";
    const int races = argc > 2 ? std::stoi(argv[2]) : 200;
    constexpr int kFrom = 500, kTo = 2000, kTree = 4400;
    practiceSettingsForBench("[startDelay]\non=true\nfromMs=" + std::to_string(kFrom) +
                             "\ntoMs=" + std::to_string(kTo) + "\n");
    MainForm form;
    XProbe probe;
    GameProcess running(game);
    const Window window = waitForRaceWindow(probe, form);
    sleepMs(500);
    std::vector<double> delays;
    for (int i = 0; i < races; ++i) delays.push_back(raceOnce(probe, window, form) - kTree);
    const auto [low, high] = std::minmax_element(delays.begin(), delays.end());
    const long outside = std::count_if(delays.begin(), delays.end(),
                                       [](double d) { return d < kFrom - 5 || d > kTo + 5; });
    std::printf("%s, %d races, start delay %d to %d ms\n", game.c_str(), races, kFrom, kTo);
    printPercentiles("press -> green on screen - 4400 ms", delays, "within the range set");
    std::printf(
        "shortest %.1f ms (target %d +- 5), longest %.1f ms (target %d +- 5), %ld outside\n", *low,
        kFrom, *high, kTo, outside);
}
