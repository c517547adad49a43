// How long the real game takes to show what the player did and what its timers lit, read from
// the screen as a player would see it:
//   scripts/with-pulse-null-sink scripts/with-xvfb build/default/bench/screen_latency
//       [GAME] [races] [standard|pro] [slip]   (KORVANE_BENCH_RACE_KEY=1: on the F key;
//       KORVANE_BENCH_NO_LOGBOOK=1: the game started with --no-logbook;
//       KORVANE_BENCH_PER_RACE=1: one line per race, stamped on the monotonic clock;
//       KORVANE_BENCH_NO_REFERENCE=1: no reference races)
// Counts the outcomes seen only after a gap of over 1 ms between polls, which the bench's own
// polling may have made late.
// "slip" opens the time slip (Ctrl+T through xdotool) first, so every release updates it.
// Presses and releases the race button through XTest and polls single pixels with XGetImage.
// Each race lets go just after the ambers, a red light, so it also times the red lamp.
// Race for race, it does the same to bench/reference_window, a bare Qt window that answers the
// same input in the same display, and prints the game's figures less the reference's: what the
// game adds, whatever the machine's load (not under a nested weston, which would hold the game
// apart from it).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/game_process.h"
#include "bench/practice_config.h"
#include "bench/race_points.h"
#include "bench/race_screen.h"
#include "bench/reference_layout.h"
#include "bench/x_probe.h"
#include "race/main_form.h"

namespace {

using namespace korvane;
using namespace korvane::bench;

// A poll that answers this long after the one before left the bench blind that long: the outcome
// came somewhere in the gap (the bench descheduled or overslept, or the server slow to answer).
constexpr double kBlindMs = 1.0;
// How much later than the reference's the game's figures may be at p50.
constexpr double kAllowanceMs = 1.0;

// What a race presses and reads in one window: the race window's controls or the reference's.
struct Targets {
    Window window;
    Point press;
    Point face;  // on the button, yellow while it is held
    std::vector<Point>
        ambers;       // on the Standard Tree, the player's first amber, then the computer's
    Point red;        // the player's red lamp
    double settleMs;  // after the release
};

Targets gameTargets(Window window, const MainForm& form, bool pro) {
    Targets t{window, centreOf(form.Command1), topLeftOf(form.Command1),
              {},     centreOf(form.Shape5),   1500};  // the red-light sound holds the game
    t.face = {t.face.x + 6, t.face.y + 6};
    for (const Control* c :
         {&form.Shape1, &form.Shape10, &form.Shape2, &form.Shape9, &form.Shape3, &form.Shape8}) {
        if (pro || c == &form.Shape1 || c == &form.Shape10) t.ambers.push_back(centreOf(*c));
    }
    return t;
}

Point middleOf(const reference::Box& b) {
    return {b.x + b.width / 2, b.y + b.height / 2};
}

Targets referenceTargets(Window window, bool pro) {
    using namespace reference;
    Targets t{window, middleOf(kButton),  {kButton.x + 6, kButton.y + 6},
              {},     middleOf(kRedLamp), 300};
    for (std::size_t i = 0; i < (pro ? 6 : 2); ++i) t.ambers.push_back(middleOf(kAmbers[i]));
    return t;
}

struct Watch {
    Point at;
    long colour;
    double seenAt = 0;
    double missedAt = 0;  // when the last poll that did not see the colour answered

    Watch(Point point, long lit) : at(point), colour(lit) {}
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
void printRace(const char* who, int index, double pressed, const Figures& f, std::size_t ambers,
               bool red, int blind) {
    std::printf("%s race %2d at %.3f ms: press %6.2f  ambers", who, index, pressed, f.press.back());
    const std::vector<double>& lamps = f.allAmbers.empty() ? f.playerAmber : f.allAmbers;
    for (std::size_t i = lamps.size() - ambers; i < lamps.size(); ++i) {
        std::printf(" %6.2f", lamps[i]);
    }
    if (!f.computerAmber.empty()) std::printf(" %6.2f", f.computerAmber.back());
    std::printf("  release %6.2f  blind %d\n", red ? f.release.back() : -1.0, blind);
}

double race(XProbe& probe, const Targets& t, bool pro, Figures& figures) {
    std::vector<Watch> button{{t.face, kLitAmber}};
    const double pressed = monotonicMs();
    button.front().missedAt = pressed;
    probe.press(t.window, t.press.x, t.press.y);
    if (!waitFor(probe, t.window, button, pressed + 3000)) {
        throw std::runtime_error("the race button did not turn yellow");
    }
    figures.press.push_back(button.front().seenAt - pressed);

    const double due = pressed + (pro ? 2800 : 2900);
    std::vector<Watch> ambers;
    for (const Point p : t.ambers) ambers.emplace_back(p, kLitAmber);
    sleepMs(due - 40 - monotonicMs());
    if (!waitFor(probe, t.window, ambers, due + 3000)) throw std::runtime_error("no amber seen");
    for (std::size_t i = 0; i < ambers.size(); ++i) {
        auto& into =
            pro ? figures.allAmbers : (i == 0 ? figures.playerAmber : figures.computerAmber);
        into.push_back(ambers[i].seenAt - due);
    }

    sleepMs(30);
    std::vector<Watch> red{{t.red, kLitRed}};
    const double released = monotonicMs();
    red.front().missedAt = released;
    probe.release();
    if (waitFor(probe, t.window, red, released + 3000)) {
        figures.release.push_back(red.front().seenAt - released);
    } else {
        // Let go so late (a busy machine) that the launch was clean: no red lamp to time.
        std::printf("race skipped for the red lamp: released %.0f ms after the ambers were due\n",
                    released - due);
    }
    for (const auto* watched : {&button, &ambers, &red}) {
        for (const Watch& w : *watched) figures.blind += w.seenAt > 0 && w.blindMs() > kBlindMs;
    }
    sleepMs(t.settleMs);
    return pressed;
}

// The racer's hand on the input, then one race, and its line when asked for one.
void raceOn(XProbe& probe, const Targets& t, bool pro, Figures& f, const char* who, int index) {
    probe.aim(t.window, t.press.x, t.press.y);
    sleepMs(200);
    const std::size_t reds = f.release.size();
    const int blind = f.blind;
    const double pressed = race(probe, t, pro, f);
    if (std::getenv("KORVANE_BENCH_PER_RACE") != nullptr)
        printRace(who, index, pressed, f, pro ? 6 : 1, f.release.size() > reds, f.blind - blind);
}

// A corner of the screen that no window covers, for the reference beside the game.
Point freeCorner(const XProbe& probe) {
    using namespace reference;
    const auto [w, h] = probe.screenSize();
    for (const Point p : {Point{0, 0}, Point{w - kWidth, 0}, Point{0, h - kHeight},
                          Point{w - kWidth, h - kHeight}}) {
        if (!probe.covered(p.x, p.y, kWidth, kHeight)) return p;
    }
    throw std::runtime_error("no room for the reference window beside the game");
}

Window waitForReference(const XProbe& probe) {
    const double until = monotonicMs() + 30000;
    const reference::Box& b = reference::kButton;
    while (monotonicMs() < until) {
        const Window w = probe.findByTitle(reference::kTitle);
        if (w && probe.pixel(w, b.x + 6, b.y + 6) == kDarkGreen) return w;
        sleepMs(20);
    }
    throw std::runtime_error("the reference window did not show");
}

void printBeside(const std::string& what, const std::vector<double>& game,
                 const std::vector<double>& reference, const std::string& quietTarget) {
    printPercentiles(what, game, "quiet machine: " + quietTarget);
    if (reference.empty()) return;
    printPercentiles("  bare Qt reference, same races", reference, "none, a yardstick");
    printDifference("  game - reference", game, reference, kAllowanceMs);
}

void printFigures(const Figures& f, const Figures& r, bool pro) {
    printBeside("press -> race button yellow on screen", f.press, r.press, "p50 <= 1.5, p99 <= 4");
    printBeside("release -> red lamp on screen", f.release, r.release, "p50 <= 2, p99 <= 5");
    const std::string lamps = "p50 <= 2, p99 <= 5, never early (min >= 0)";
    if (pro) {
        printBeside("six ambers on screen vs due (press + 2800)", f.allAmbers, r.allAmbers, lamps);
    } else {
        printBeside("player's amber vs due (press + 2900)", f.playerAmber, r.playerAmber, lamps);
        printBeside("computer's amber vs due (press + 2900)", f.computerAmber, r.computerAmber,
                    lamps);
    }
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
    // The pointer comes to the button before each press, as a player's does: the server tells
    // the game when the pointer's source device changes, and the game asks it about the device
    // then, on the first race's press if nothing moved the pointer before.
    const Targets gameRace = gameTargets(window, form, pro);
    std::optional<GameProcess> bare;
    std::optional<Targets> referenceRace;
    // KORVANE_BENCH_NO_REFERENCE=1: the game's races alone, back to back, with the pointer
    // never leaving its window.
    if (!nested && std::getenv("KORVANE_BENCH_NO_REFERENCE") == nullptr) {
        const Point corner = freeCorner(probe);
        const auto path = std::filesystem::path(argv[0]).parent_path() / "reference_window";
        bare.emplace(path.string(),
                     std::vector<std::string>{std::to_string(corner.x), std::to_string(corner.y),
                                              pro ? "pro" : "standard"});
        referenceRace = referenceTargets(waitForReference(probe), pro);
    }
    Figures f, r;
    for (int i = 0; i < races; ++i) {
        raceOn(probe, gameRace, pro, f, "game", i);
        if (referenceRace) raceOn(probe, *referenceRace, pro, r, "reference", i);
    }

    std::printf("%s, %s Tree, %d races on the %s%s%s%s\n", game.c_str(), pro ? "Pro" : "Standard",
                races, input.c_str(), slip ? ", time slip open" : "", logbook ? "" : ", no logbook",
                referenceRace ? ", each followed by one on the bare reference" : "");
    printFigures(f, r, pro);
    // Below a hundred races p99 is the slowest race, whatever held it up.
    if (races < 100) std::printf("p99 of %d races is the slowest of them\n", races);
    std::printf(
        "outcomes the bench saw more than %.0f ms after its poll before: %d (reference: %d)\n",
        kBlindMs, f.blind, r.blind);
}
