#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "app/splash_form.h"
#include "qt_app.h"
#include "tests/race/race_fixture.h"
#include "ui/controllers/controller_route.h"
#include "ui/race_window/race_window.h"
#include "ui/shell/qt_timer_service.h"
#include "ui/shell/qt_window_system.h"
#include "ui/splash/splash_window.h"

namespace korvane::testing {
namespace {

// Qt runs pending events inside show() for a splash screen shown before the event loop starts.
// On a slow machine the splash's 5 ms tick is already due then; it must wait until the splash
// is up, or it loads the race window and unloads the splash in the middle of showing it.
TEST(QtWindowSystemTest, ATickAlreadyDueWaitsUntilTheSplashIsShown) {
    qtApp();
    ui::QtTimerService timers;
    ui::QtWindowSystem windows(timers, nullptr);
    SplashForm form;
    int ticks = 0;
    bool splashUpAtTick = false;
    form.handOver.onTick([&] {
        if (++ticks > 1) return;
        splashUpAtTick = windows.splashWindow() && windows.splashWindow()->isVisible();
        windows.unloadSplash();
    });
    form.handOver.setHost(&timers);
    form.handOver.setEnabled(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    windows.showSplash(form);
    EXPECT_EQ(ticks, 0) << "a tick ran inside showSplash";
    ASSERT_TRUE(waitUntil([&] { return ticks > 0; }, 2000));
    EXPECT_TRUE(splashUpAtTick);
    EXPECT_EQ(windows.splashWindow(), nullptr);
    form.handOver.setEnabled(false);
}

// Counts the paint events of every splash window.
struct SplashPaints : QObject {
    SplashPaints() { qApp->installEventFilter(this); }
    ~SplashPaints() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && dynamic_cast<ui::SplashWindow*>(object)) ++count;
        return false;
    }
    int count = 0;
};

TEST(QtWindowSystemTest, TheSplashIsPaintedOnceAndBeforeShowSplashReturns) {
    qtApp();
    ui::QtTimerService timers;
    ui::QtWindowSystem windows(timers, nullptr);
    SplashForm form;
    SplashPaints paints;
    windows.showSplash(form);
    EXPECT_EQ(paints.count, 1);
    QTest::qWait(100);
    EXPECT_EQ(paints.count, 1);
}

// A race window's model with recording services, loaded by a window system on the given timers;
// the window system goes first, and the race window with it.
struct WindowedRace {
    explicit WindowedRace(ui::QtTimerService& timers) : windows(timers, nullptr) {
        for (Timer* t : main.timers()) t->setHost(&timers);
    }
    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    Main main{{random, sound, messages, "/data"}};
    ui::QtWindowSystem windows;
};

// A release is judged with every reaction-clock tick due by the moment its handler starts: the
// service's clock is read there (the X event's own time stamp is on another clock).
TEST(QtWindowSystemTest, AReleaseCountsEveryPeriodElapsedSinceTheHandOver) {
    using namespace std::chrono_literals;
    const struct {
        ui::QtTimerService::Time sinceHandOver;
        int ticks;
    } rows[] = {{0ns, 0}, {55ms - 1ns, 0}, {55ms, 1}, {1s, 18}, {1925ms, 35}, {3s + 1ns, 54}};
    qtApp();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ticks);
        ui::QtTimerService::Time clock = 1h;
        ui::QtTimerService timers([&] { return clock; });
        WindowedRace race(timers);
        race.windows.loadMain(race.main);
        QWidget* button = race.windows.raceWindow()->widgetFor(race.main.Command1);
        QTest::mousePress(button, Qt::LeftButton);
        clock += 3 * 800ms + row.sinceHandOver;  // the staging walk, then the countdown
        QTest::mouseRelease(button, Qt::LeftButton);
        EXPECT_EQ(race.main.reactionClock,
                  DecimalSeconds::fromTenThousandths(4650 + 10 * row.ticks));
    }
}

// A controller held through the splash lets go once the race window is up: no race was staged,
// so its release is not judged, even when its press is delivered only after the window shows.
// With an input chosen, only that controller's input races.
TEST(QtWindowSystemTest, AControllerReleaseCountsOnlyWhenItsPressReachedTheRaceWindow) {
    using Chosen = std::optional<input::ChosenInput>;
    enum class Press { InTheRace, DuringTheSplash, DuringTheSplashDeliveredLate };
    const struct {
        Press press;
        Chosen chosen;
        int judged;
    } rows[] = {{Press::DuringTheSplash, {}, 0},
                {Press::DuringTheSplashDeliveredLate, {}, 0},
                {Press::InTheRace, {}, 1},
                {Press::InTheRace, input::ChosenInput{"pad", 0, 2}, 1},
                {Press::InTheRace, input::ChosenInput{"pedal", 0, 2}, 0},
                {Press::InTheRace, input::ChosenInput{"pad", 1, 2}, 0}};
    qtApp();
    for (const auto& row : rows) {
        ui::QtTimerService timers;
        WindowedRace race(timers);
        ui::ControllerRoute& route = race.windows.controllerRoute();
        const auto sink = route.sink();
        const input::HeldInputs::Input button{0, input::HeldInputs::Kind::Button, 2};
        const auto showRace = [&race] {
            race.windows.loadMain(race.main);
            race.windows.showMain();
        };
        if (row.press == Press::InTheRace) showRace();
        // After the load, which applies the practice settings' choice.
        route.choose(row.chosen);
        sink({true, 1, std::chrono::steady_clock::now(), button, "pad"});
        if (row.press != Press::DuringTheSplashDeliveredLate) QCoreApplication::processEvents();
        if (row.press != Press::InTheRace) showRace();
        sink({false, 0, std::chrono::steady_clock::now(), button, "pad"});
        QCoreApplication::processEvents();
        EXPECT_EQ(race.main.playerWins.value() + race.main.computerWins.value(), row.judged)
            << static_cast<int>(row.press);
    }
}

}  // namespace
}  // namespace korvane::testing
