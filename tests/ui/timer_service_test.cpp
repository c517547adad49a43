#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "qt_app.h"
#include "ui/qt_timer_service.h"

namespace korvane::testing {
namespace {

using ui::QtTimerService;

// A timer whose ticks note the service's clock; the service's after-tick hook is counted too.
class TimerService : public ::testing::Test {
  protected:
    TimerService() {
        qtApp();
        service.setAfterTick([this] { ++hookCalls; });
    }

    void watch(Timer& timer, std::vector<std::int64_t>& times) {
        timer.setHost(&service);
        timer.onTick([this, &times] {
            times.push_back(service.now());
            log.push_back("tick");
        });
    }
    // The event loop stays busy: nothing is delivered meanwhile.
    static void blockLoop(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    QtTimerService service;
    int hookCalls = 0;
    std::vector<std::string> log;
};

TEST_F(TimerService, TicksStayOnTheirFixedRateOverAHundredTicksWithoutDrift) {
    Timer timer("t", 60);
    std::vector<std::int64_t> times;
    watch(timer, times);
    const std::int64_t enabledAt = service.now();
    timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return times.size() >= 100; }, 20000));
    timer.setEnabled(false);

    std::vector<std::int64_t> lateness;
    for (std::size_t k = 0; k < 100; ++k) {
        const std::int64_t due = enabledAt + static_cast<std::int64_t>(k + 1) * 60;
        EXPECT_GE(times[k], due) << "tick " << k + 1 << " came early";
        lateness.push_back(times[k] - due);
    }
    // A late tick does not push the later ones back, so the hundredth is as punctual as the
    // first; a schedule that counted each period from the last tick would have drifted.
    EXPECT_LT(lateness.back(), 40);
    const auto late =
        std::count_if(lateness.begin(), lateness.end(), [](auto l) { return l > 25; });
    EXPECT_LE(late, 5);
    std::sort(lateness.begin(), lateness.end());
    std::printf("lateness over 100 ticks: median %lld ms, max %lld ms\n",
                static_cast<long long>(lateness[50]), static_cast<long long>(lateness.back()));
    EXPECT_EQ(hookCalls, static_cast<int>(times.size()));
}

TEST_F(TimerService, TheReactionClockAskingForTwoMillisecondsTicksEvery55) {
    Timer timer("Timer5", 2);
    std::vector<std::int64_t> times;
    watch(timer, times);
    const std::int64_t enabledAt = service.now();
    timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return times.size() >= 10; }, 5000));
    timer.setEnabled(false);
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_GE(times[k], enabledAt + static_cast<std::int64_t>(k + 1) * 55) << k + 1;
    }
    EXPECT_LT(times[9], enabledAt + 550 + 40);
}

TEST_F(TimerService, DisablingDropsTicksThatWereAlreadyDue) {
    Timer timer("t", 55);
    std::vector<std::int64_t> times;
    watch(timer, times);
    timer.setEnabled(true);
    blockLoop(200);  // three ticks fall due while the loop is busy
    timer.setEnabled(false);
    QTest::qWait(150);
    EXPECT_TRUE(times.empty());

    // Enabled again, it starts a fresh schedule from now rather than catching up.
    const std::int64_t enabledAt = service.now();
    timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return !times.empty(); }, 2000));
    EXPECT_GE(times.front(), enabledAt + 55);
    timer.setEnabled(false);
}

TEST_F(TimerService, EnablingAnEnabledTimerKeepsItsSchedule) {
    Timer timer("t", 100);
    std::vector<std::int64_t> times;
    watch(timer, times);
    const std::int64_t enabledAt = service.now();
    timer.setEnabled(true);
    QTest::qWait(60);
    service.timerEnabled(timer);  // a second enable, as a host sees it
    ASSERT_TRUE(waitUntil([&] { return times.size() >= 2; }, 2000));
    timer.setEnabled(false);
    EXPECT_LT(times[0], enabledAt + 100 + 40);
    EXPECT_LT(times[1], enabledAt + 200 + 40);
}

TEST_F(TimerService, TicksMissedByABusyLoopComeAfterwardsOnePerPassWithInputBetween) {
    Timer timer("t", 55);
    std::vector<std::int64_t> times;
    watch(timer, times);
    timer.setEnabled(true);
    blockLoop(300);  // ticks at 55, 110, 165, 220 and 275 ms are missed
    // Input that arrived while the loop was busy.
    QMetaObject::invokeMethod(
        &qtApp(), [this] { log.push_back("input"); }, Qt::QueuedConnection);
    const std::int64_t freeAt = service.now();
    ASSERT_TRUE(waitUntil([&] { return times.size() >= 5; }, 2000));
    timer.setEnabled(false);

    EXPECT_LT(times[4] - freeAt, 40) << "the missed ticks are delivered as soon as possible";
    const auto input = std::find(log.begin(), log.end(), "input");
    ASSERT_NE(input, log.end());
    EXPECT_LT(input - log.begin(), 5) << "the input waited for every missed tick";
}

}  // namespace
}  // namespace korvane::testing
