#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "qt_app.h"
#include "ui/shell/qt_timer_service.h"

namespace korvane::testing {
namespace {

using namespace std::chrono_literals;
using ui::QtTimerService;
using Time = QtTimerService::Time;

// A service on a clock the test moves by hand, so nothing here depends on how busy the machine
// is: the real Qt timer only decides when the service looks at that clock.
class TimerService : public ::testing::Test, private QtAppFirst {
  protected:
    TimerService() {
        QObject::connect(&service, &QtTimerService::ticksDelivered,
                         [this] { log.push_back("paint"); });
    }

    void watch(Timer& timer) {
        timer.setHost(&service);
        timer.onTick(
            [this, &timer] { log.push_back(timer.name() + "@" + std::to_string(service.now())); });
    }
    // Moves the clock on and runs the event loop until the service has delivered what is due.
    void runTo(Time at) {
        clock = at;
        EXPECT_TRUE(waitUntil(
            [this] {
                const auto due = service.nextDue();
                return !due || *due > clock;
            },
            10000));
    }
    std::vector<std::string> ticks() const {
        std::vector<std::string> only;
        for (const auto& entry : log) {
            if (entry != "paint") only.push_back(entry);
        }
        return only;
    }

    Time clock = 1h;
    QtTimerService service{[this] { return clock; }};
    std::vector<std::string> log;
};

TEST_F(TimerService, TicksDueTogetherGoOutInDeadlineOrderBeforeOnePaint) {
    Timer clockTimer("Timer5", 2);
    Timer amber("Timer1", 500);
    watch(clockTimer);
    watch(amber);
    clockTimer.setEnabled(true);
    amber.setEnabled(true);
    runTo(clock + 560ms);                                // the event loop was busy until then
    std::vector<std::string> expected(9, "Timer5@560");  // due at 55, 110, ... 495
    expected.insert(expected.end(), {"Timer1@560", "Timer5@560", "paint"});
    EXPECT_EQ(log, expected);
}

TEST_F(TimerService, NothingTicksBeforeItsDeadlineToTheNanosecond) {
    Timer timer("T", 55);
    watch(timer);
    timer.setEnabled(true);
    clock += 55ms - 1ns;
    service.deliverDue();
    EXPECT_TRUE(log.empty());
    runTo(clock + 1ns);
    EXPECT_EQ(log, (std::vector<std::string>{"T@55", "paint"}));
}

// Tick k is due at the enable time + k periods however late the earlier ones came, so a long
// run counts exactly the periods that have passed.
TEST_F(TimerService, AThousandPeriodsGiveAThousandTicksHoweverLateEachCame) {
    Timer timer("T", 60);
    watch(timer);
    const Time enabledAt = clock;
    timer.setEnabled(true);
    for (int step = 1; step <= 40; ++step) runTo(enabledAt + step * 1500ms + 7ms);
    EXPECT_EQ(ticks().size(), 1000u);
    EXPECT_EQ(ticks().back(), "T@60007");
}

TEST_F(TimerService, InputTakesEveryTickAlreadyDueWithoutAPaintOfItsOwn) {
    Timer timer("T", 100);
    watch(timer);
    timer.setEnabled(true);
    clock += 350ms;  // no event-loop pass in between
    service.deliverDue();
    log.push_back("input");
    EXPECT_EQ(log, (std::vector<std::string>{"T@350", "T@350", "T@350", "input"}));
    runTo(clock + 50ms);
    EXPECT_EQ(log.back(), "paint");
    EXPECT_EQ(ticks().back(), "T@400");
}

// The staging walk's last tick hands over to the sequencers; they count from its deadline, not
// from whenever the busy loop got round to it.
TEST_F(TimerService, TimersEnabledByATickCountFromThatTicksDeadline) {
    Timer walk("Timer6", 800);
    Timer clockTimer("Timer5", 2);
    watch(clockTimer);
    walk.setHost(&service);
    walk.onTick([&] {
        walk.setEnabled(false);
        clockTimer.setEnabled(true);
    });
    walk.setEnabled(true);
    runTo(clock + 800ms + 60ms);
    EXPECT_EQ(ticks(), (std::vector<std::string>{"Timer5@860"})) << "due at 855";
}

// Disabling drops every tick already due and not delivered (the loop was busy); enabling again
// counts whole periods from then.
TEST_F(TimerService, DisablingDropsTicksAlreadyDueAndReenablingStartsAfresh) {
    const struct {
        int periodMs;
        Time offAt, onAt, lookAt;  // from the first enable: disabled, enabled again, looked at
        std::vector<std::int64_t> tickedAt;
    } rows[] = {
        {100, 250ms, 300ms, 400ms, {400}},
        {55, 200ms, 300ms, 354ms, {}},
        {55, 200ms, 300ms, 355ms, {355}},
    };
    for (const auto& row : rows) {
        Timer timer("T", row.periodMs);
        timer.setHost(&service);
        const Time start = clock;
        const std::int64_t startMs = service.now();
        std::vector<std::int64_t> ticked;
        timer.onTick([&] { ticked.push_back(service.now() - startMs); });
        timer.setEnabled(true);
        clock = start + row.offAt;  // no event-loop pass in between
        timer.setEnabled(false);
        runTo(start + row.onAt);
        EXPECT_TRUE(ticked.empty()) << row.periodMs;
        timer.setEnabled(true);
        runTo(start + row.lookAt);
        EXPECT_EQ(ticked, row.tickedAt) << row.periodMs;
        timer.setEnabled(false);
    }
}

TEST_F(TimerService, EnablingAnEnabledTimerKeepsItsSchedule) {
    Timer timer("T", 100);
    watch(timer);
    timer.setEnabled(true);
    runTo(clock + 60ms);
    service.timerEnabled(timer);  // a second enable, as a host sees it
    runTo(clock + 40ms);
    EXPECT_EQ(ticks(), (std::vector<std::string>{"T@100"}));
}

TEST_F(TimerService, HeldTicksWaitForTheHoldToEnd) {
    Timer timer("T", 55);
    watch(timer);
    timer.setEnabled(true);
    service.setHeld(true);
    clock += 120ms;
    service.deliverDue();
    QTest::qWait(20);
    EXPECT_TRUE(log.empty());
    service.setHeld(false);
    runTo(clock);
    EXPECT_EQ(ticks(), (std::vector<std::string>{"T@120", "T@120"}));
}

// The Qt timer counts whole milliseconds: rounding the wait up makes the wake-up never early
// and at most a millisecond late.
TEST(TimerServiceWakeUp, WaitsAreRoundedUpToWholeMilliseconds) {
    const struct {
        Time untilDue;
        int waitMs;
    } rows[] = {{-5ms, 0}, {0ns, 0}, {1ns, 1}, {1ms, 1}, {1ms + 1ns, 2}, {54'300us, 55}};
    for (const auto& row : rows) {
        EXPECT_EQ(ui::wakeUpDelayMs(row.untilDue), row.waitMs) << row.untilDue.count() << " ns";
    }
}

// On the real clock: the service wakes itself up, and a tick never comes before its deadline.
TEST(TimerServiceRealClock, TicksComeByThemselvesAndNeverEarly) {
    qtApp();
    QtTimerService service;
    Timer timer("T", 55);
    std::vector<std::int64_t> times;
    timer.setHost(&service);
    timer.onTick([&] { times.push_back(service.now()); });
    const std::int64_t enabledAt = service.now();
    timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return times.size() >= 5; }, 20000));
    timer.setEnabled(false);
    for (std::size_t k = 0; k < times.size(); ++k) {
        EXPECT_GE(times[k], enabledAt + static_cast<std::int64_t>(k + 1) * 55) << k + 1;
    }
}

}  // namespace
}  // namespace korvane::testing
