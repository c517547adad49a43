// How long the real game takes to show what the player did and what its timers lit, read from
// the screen as a player would see it:
//   scripts/with-pulse-null-sink scripts/with-xvfb build/default/bench/screen_latency
//       [GAME] [races] [standard|pro] [slip]   (KORVANE_BENCH_RACE_KEY=1: on the F key;
//       KORVANE_BENCH_NO_LOGBOOK=1: the game started with --no-logbook;
//       KORVANE_BENCH_PER_RACE=1: one line per race, stamped on the monotonic clock;
//       KORVANE_BENCH_CAR_DELAY_MS=400: with that car delay, timed against it)
// Counts the outcomes seen only after a gap of over 1 ms between polls, which the bench's own
// polling may have made late.
// "slip" opens the time slip (Ctrl+T through xdotool) first, so every release updates it.
// Presses and releases the race button through XTest and polls single pixels with XGetImage.
// Each race lets go just after the ambers, a red light, so it also times the red lamp.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/game_process.h"
#include "bench/practice_config.h"
#include "bench/race_points.h"
#include "bench/race_screen.h"
#include "bench/x_probe.h"
#include "race/main_form.h"

namespace {

using namespace korvane;
using namespace korvane::bench;

// A poll that answers this long after the one before left the bench blind that long: the outcome
// came somewhere in the gap (the bench descheduled or overslept, or the server slow to answer).
constexpr double kBlindMs = 1.0;

struct Watch {
    const Control* control;
    Point at;
    long colour;
    double seenAt = 0;
    double missedAt = 0;  // when the last poll that did not see the colour answered

    Watch(const Control& c, long lit) : control(&c), at(centreOf(c)), colour(lit) {}
    double blindMs() const { return seenAt - missedAt; }
};

// Polls until every watched pixel shows its colour or the time is up; notes when each did.
bool waitFor(const XProbe& probe, Window window, std::vector<Watch>& watches, double untilMs) {
    std::size_t left = watches.size();
    while (left > 0 && monotonicMs() < untilMs) {
        for (Watch& w : watches) {
            if (w.seenAt > 0) continue;
            const bool lit = probe.pixel(window, w.at.x, w.at.y) == w.colour;
            (lit ? w.seenAt : w.missedAt) = monotonicMs();
            if (lit) --left;
        }
    }
    return left == 0;
}

void choosePro(XProbe& probe, Window window, const MainForm& form) {
    click(probe, window, centreOf(form.Command3));
    const Point option = topLeftOf(form.Tree[1]);
    click(probe, window, {option.x + 5, option.y + 8});
    click(probe, window, centreOf(form.Command3));
}

struct Figures {
    std::vector<double> press, release, playerAmber, computerAmber, allAmbers;
    int blind = 0;  // outcomes seen more than kBlindMs after the poll before
};

// One race's figures on one line, so that a slow race can be matched against a trace of the game.
void printRace(int index, double pressed, const Figures& f, std::size_t ambers, bool red,
               int blind) {
    std::printf("race %2d at %.3f ms: press %6.2f  ambers", index, pressed, f.press.back());
    const std::vector<double>& lamps = f.allAmbers.empty() ? f.playerAmber : f.allAmbers;
    for (std::size_t i = lamps.size() - ambers; i < lamps.size(); ++i) {
        std::printf(" %6.2f", lamps[i]);
    }
    if (!f.computerAmber.empty()) std::printf(" %6.2f", f.computerAmber.back());
    std::printf("  release %6.2f  blind %d\n", red ? f.release.back() : -1.0, blind);
}

double race(XProbe& probe, Window window, const MainForm& form, bool pro, Figures& figures) {
    std::vector<Watch> button{{form.Command1, kLitAmber}};
    button.front().at = {topLeftOf(form.Command1).x + 6, topLeftOf(form.Command1).y + 6};
    const double pressed = monotonicMs();
    button.front().missedAt = pressed;
    probe.press(window, centreOf(form.Command1).x, centreOf(form.Command1).y);
    if (!waitFor(probe, window, button, pressed + 3000)) {
        throw std::runtime_error("the race button did not turn yellow");
    }
    figures.press.push_back(button.front().seenAt - pressed);

    const double due = pressed + (pro ? 2800 : 2900);
    std::vector<Watch> ambers;
    for (const Control* c :
         {&form.Shape1, &form.Shape10, &form.Shape2, &form.Shape9, &form.Shape3, &form.Shape8}) {
        if (pro || c == &form.Shape1 || c == &form.Shape10) ambers.emplace_back(*c, kLitAmber);
    }
    sleepMs(due - 40 - monotonicMs());
    if (!waitFor(probe, window, ambers, due + 3000)) throw std::runtime_error("no amber seen");
    for (const Watch& w : ambers) {
        auto& into =
            pro ? figures.allAmbers
                : (w.control == &form.Shape1 ? figures.playerAmber : figures.computerAmber);
        into.push_back(w.seenAt - due);
    }

    sleepMs(30);
    std::vector<Watch> red{{form.Shape5, kLitRed}};
    const double released = monotonicMs();
    red.front().missedAt = released;
    probe.release();
    if (waitFor(probe, window, red, released + 3000)) {
        figures.release.push_back(red.front().seenAt - released - carDelayForBench());
    } else {
        // Let go so late (a busy machine) that the launch was clean: no red lamp to time.
        std::printf("race skipped for the red lamp: released %.0f ms after the ambers were due\n",
                    released - due);
    }
    for (const auto* watched : {&button, &ambers, &red}) {
        for (const Watch& w : *watched) figures.blind += w.seenAt > 0 && w.blindMs() > kBlindMs;
    }
    sleepMs(1500 + carDelayForBench());  // the red-light sound holds the game
    return pressed;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string game = argc > 1 ? argv[1] : "build/default/bin/korvane";
    const int races = argc > 2 ? std::stoi(argv[2]) : 25;
    const bool pro = argc > 3 && std::string(argv[3]) == "pro";
    MainForm form;
    XProbe probe;
    const std::string input = practiceForBench(probe);
    // Under a nested weston the game runs natively on Wayland, out of reach of the X display.
    const bool nested = std::getenv("WAYLAND_DISPLAY") != nullptr;
    // KORVANE_BENCH_NO_LOGBOOK=1: the game keeps no logbook, to compare the cost of keeping one.
    const bool logbook = std::getenv("KORVANE_BENCH_NO_LOGBOOK") == nullptr;
    std::vector<std::string> options;
    if (!logbook) options.push_back("--no-logbook");
    if (nested) options.insert(options.begin(), {"-u", "DISPLAY", "QT_QPA_PLATFORM=wayland", game});
    GameProcess running =
        nested ? GameProcess("/usr/bin/env", options) : GameProcess(game, options);
    const Window window = waitForRaceWindow(probe, form);
    sleepMs(500);
    if (pro) choosePro(probe, window, form);
    const bool slip = argc > 4 && std::string(argv[4]) == "slip";
    if (slip) {
        const std::string key = "xdotool key --window " + std::to_string(window) + " ctrl+t";
        if (std::system(key.c_str()) != 0) throw std::runtime_error("xdotool failed");
        sleepMs(1000);
    }
    // The pointer comes to the button before the first press, as a player's does: the server
    // tells the game when the pointer's source device changes, and the game asks it about the
    // device then, on the first race's press if nothing moved the pointer before.
    probe.hover(window, centreOf(form.Command1).x, centreOf(form.Command1).y);
    sleepMs(200);
    Figures f;
    const bool perRace = std::getenv("KORVANE_BENCH_PER_RACE") != nullptr;
    for (int i = 0; i < races; ++i) {
        const std::size_t reds = f.release.size();
        const int blind = f.blind;
        const double pressed = race(probe, window, form, pro, f);
        if (perRace)
            printRace(i, pressed, f, pro ? 6 : 1, f.release.size() > reds, f.blind - blind);
    }

    std::printf("%s, %s Tree, %d races on the %s%s%s\n", game.c_str(), pro ? "Pro" : "Standard",
                races, input.c_str(), slip ? ", time slip open" : "",
                logbook ? "" : ", no logbook");
    printPercentiles("press -> race button yellow on screen", f.press, "p50 <= 1.5, p99 <= 4");
    const int delay = carDelayForBench();
    if (delay > 0) std::printf("car delay %d ms: the release's figure is less the delay\n", delay);
    printPercentiles("release -> red lamp on screen", f.release, "p50 <= 2, p99 <= 5");
    const std::string lamps = "p50 <= 2, p99 <= 5, never early (min >= 0)";
    if (pro) {
        printPercentiles("six ambers on screen vs due (press + 2800)", f.allAmbers, lamps);
    } else {
        printPercentiles("player's amber vs due (press + 2900)", f.playerAmber, lamps);
        printPercentiles("computer's amber vs due (press + 2900)", f.computerAmber, lamps);
    }
    // Below a hundred races p99 is the slowest race, whatever held it up.
    if (races < 100) std::printf("p99 of %d races is the slowest of them\n", races);
    std::printf("outcomes the bench saw more than %.0f ms after its poll before: %d\n", kBlindMs,
                f.blind);
}
