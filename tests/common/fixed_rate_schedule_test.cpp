#include "common/fixed_rate_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/timer.h"
#include "tests/support/virtual_timers.h"

namespace korvane {
namespace {

// Records which timer ticked at which virtual time.
struct TickLog {
    VirtualTimers clock;
    std::vector<std::string> entries;
    void watch(Timer& timer) {
        timer.setHost(&clock);
        timer.onTick([this, &timer] {
            entries.push_back(timer.name() + "@" + std::to_string(clock.now()));
        });
    }
};

TEST(FixedRateSchedule, TicksFallOnWholePeriodsFromTheEnableTime) {
    TickLog log;
    Timer timer("T", 500);
    log.watch(timer);
    log.clock.advanceTo(120);
    timer.setEnabled(true);
    log.clock.advanceTo(1700);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"T@620", "T@1120", "T@1620"}));
}

TEST(FixedRateSchedule, NoTimerTicksMoreOftenThanEvery55Ms) {
    TickLog log;
    Timer clock("Clock", 2);
    log.watch(clock);
    clock.setEnabled(true);
    log.clock.advanceTo(2000);
    ASSERT_EQ(log.entries.size(), 36u);  // 2000 / 55
    EXPECT_EQ(log.entries.front(), "Clock@55");
    EXPECT_EQ(log.entries.back(), "Clock@1980");
}

// A one-shot deadline counted from a moment before or after its enabling, below the floor.
TEST(FixedRateSchedule, ATimerCountedFromItsOwnOriginIsDueThereAtItsExactInterval) {
    struct Row {
        int enabledAt;
        int originMs;
        int intervalMs;
        const char* tick;
    };
    for (const Row& row :
         {Row{90, 100, 7, "T@107"}, Row{50, 40, 30, "T@70"}, Row{50, 10, 2, "T@50"}}) {
        TickLog log;
        Timer timer("T", row.intervalMs);
        log.watch(timer);
        timer.onTick([&] {
            log.entries.push_back("T@" + std::to_string(log.clock.now()));
            timer.setEnabled(false);
        });
        timer.countFrom(std::chrono::milliseconds(row.originMs));
        log.clock.advanceTo(row.enabledAt);
        timer.setEnabled(true);
        log.clock.advanceTo(500);
        EXPECT_EQ(log.entries, std::vector<std::string>{row.tick}) << row.originMs;
    }
}

TEST(FixedRateSchedule, MissedTicksAreAllDeliveredLateWithoutShiftingLaterOnes) {
    TickLog log;
    Timer timer("T", 100);
    log.watch(timer);
    timer.setEnabled(true);
    log.clock.block(350);  // the event loop is busy, as while a sound plays
    log.clock.advanceTo(420);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"T@350", "T@350", "T@350", "T@400"}));
}

TEST(FixedRateSchedule, EnablingAnEnabledTimerLeavesItsScheduleAlone) {
    TickLog log;
    Timer timer("T", 100);
    log.watch(timer);
    timer.setEnabled(true);
    log.clock.advanceTo(90);
    timer.setEnabled(true);
    log.clock.advanceTo(100);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"T@100"}));
}

TEST(FixedRateSchedule, TimersDueTogetherTickInTheOrderTheyWereEnabled) {
    TickLog log;
    Timer second("B", 500);
    Timer first("A", 500);
    log.watch(first);
    log.watch(second);
    first.setEnabled(true);
    second.setEnabled(true);
    log.clock.advanceTo(1000);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"A@500", "B@500", "A@1000", "B@1000"}));
}

TEST(FixedRateSchedule, ATickThatDisablesAnotherTimerStopsItsPendingTick) {
    TickLog log;
    Timer a("A", 500);
    Timer b("B", 500);
    log.watch(b);
    a.setHost(&log.clock);
    a.onTick([&] {
        log.entries.push_back("A");
        b.setEnabled(false);
    });
    a.setEnabled(true);
    b.setEnabled(true);
    log.clock.advanceTo(1000);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"A", "A"}));
}

TEST(FixedRateSchedule, ADestroyedTimerLeavesTheSchedule) {
    TickLog log;
    {
        Timer doomed("D", 100);
        log.watch(doomed);
        doomed.setEnabled(true);
    }
    log.clock.advanceTo(500);
    EXPECT_TRUE(log.entries.empty());
}

}  // namespace
}  // namespace korvane
