// Whether the reaction clock at a release counts every 55 ms period since the hand-over:
//   scripts/with-xvfb build/default/bench/reaction_count [races] [busy]
// Runs the game's race window, timer service and handlers in this process, presses the race
// button, lets go at a random moment after the hand-over and compares the player's time with
// the periods that passed. "busy" runs stress-ng on two cores meanwhile.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "bench/game_process.h"
#include "race/main.h"
#include "ui/race_window/race_window.h"
#include "ui/shell/qt_timer_service.h"
#include "ui/shell/qt_window_system.h"

namespace {

using namespace korvane;

struct Silence : WavePlayer {
    void PlayWave(const std::string&) override {}
};
struct NoMessages : MessageBoxes {
    void show(const std::string&) override {}
};

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

struct Tally {
    int races = 0, exact = 0, short_ = 0, over = 0, worstShort = 0;
    void add(int counted, int elapsed) {
        ++races;
        if (counted == elapsed) ++exact;
        if (counted < elapsed) ++short_;
        if (counted > elapsed) ++over;
        worstShort = std::max(worstShort, elapsed - counted);
    }
};

// Presses, lets go after the hand-over plus a random wait, and counts the outcome.
void race(QWidget* button, Main& main, std::mt19937& random, Tally& tally) {
    const double pressed = nowMs();
    QTest::mousePress(button, Qt::LeftButton);
    const int wait = std::uniform_int_distribution<int>(2400 + 200, 2400 + 2500)(random);
    QEventLoop loop;
    QTimer::singleShot(wait, Qt::PreciseTimer, &loop, [&] {
        const double released = nowMs();
        QTest::mouseRelease(button, Qt::LeftButton);
        const auto elapsed = static_cast<int>(std::floor((released - pressed - 2400) / 55));
        const auto counted =
            static_cast<int>(std::lround((main.reactionClock.toDouble() - 0.465) * 1000));
        tally.add(counted, elapsed);
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
    });
    loop.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int races = argc > 1 ? std::stoi(argv[1]) : 40;
    const bool busy = argc > 2 && std::string(argv[2]) == "busy";
    std::unique_ptr<bench::GameProcess> stress;
    if (busy)
        stress = std::make_unique<bench::GameProcess>(
            "/usr/bin/stress-ng", std::vector<std::string>{"--cpu", "2", "--quiet"});
    RandomSource draws;
    Silence sound;
    NoMessages messages;
    ui::QtTimerService timers;
    ui::QtWindowSystem windows(timers, nullptr);
    Main main({draws, sound, messages, ""});
    for (Timer* t : main.timers()) t->setHost(&timers);
    windows.loadMain(main);
    windows.showMain();
    QTest::qWait(500);
    std::mt19937 random(8);
    Tally tally;
    QWidget* button = windows.raceWindow()->widgetFor(main.Command1);
    for (int i = 0; i < races; ++i) race(button, main, random, tally);
    windows.unloadMain();
    std::printf(
        "reaction clock at a release, %d races%s: exact %d (%.1f%%), short %d (worst by %d), "
        "over %d   (target: 100%% idle, >= 99%% with two busy cores)\n",
        tally.races, busy ? " with two busy cores" : "", tally.exact,
        100.0 * tally.exact / tally.races, tally.short_, tally.worstShort, tally.over);
}
