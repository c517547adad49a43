#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "race/main.h"
#include "tests/support/race_doubles.h"

namespace korvane::testing {
namespace {

// A race window on a virtual clock, with or without a start delay, released a fixed time after
// its hand-over.
struct Rig {
    explicit Rig(std::optional<DelayRange> range) {
        delay.setRange(range);
        for (Timer* t : main.raceTimers()) t->setHost(&clock);
    }
    // Plays one race; returns the press -> hand-over time and the computer's time.
    std::pair<std::int64_t, std::string> race(bool pro) {
        main.proTreeOption.value = pro ? 1 : 0;
        main.standardTreeOption.value = pro ? 0 : 1;
        const std::int64_t pressed = clock.now();
        main.stagePressed();
        while (!main.reactionClockTicker.enabled()) clock.advanceBy(1);
        const std::int64_t handOver = clock.now() - pressed;
        clock.advanceBy(pro ? 900 : 2000);
        main.launched();
        clock.advanceBy(3000);
        return {handOver, main.computer.timeDisplay.text};
    }

    StartDelay delay{12345};
    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    VirtualTimers clock;
    Main main{{random, sound, messages, "/data", &delay}};
};

struct RangeRow {
    DelayRange range;
    bool pro;
};

class StartDelayRanges : public ::testing::TestWithParam<RangeRow> {};

// The walk hands over at 2400 ms; the wait comes on top, in 10 ms steps over the whole range,
// and the slip learns the wait each race drew.
TEST_P(StartDelayRanges, HandOverComesAfterTheWalkPlusAWaitDrawnOverTheRange) {
    const RangeRow row = GetParam();
    Rig rig(row.range);
    std::set<std::int64_t> waits;
    for (int i = 0; i < 200; ++i) {
        const std::int64_t wait = rig.race(row.pro).first - 2400;
        ASSERT_EQ(rig.main.startDelayMs(), wait);
        ASSERT_EQ(wait % StartDelay::kStepMs, 0);
        waits.insert(wait);
    }
    EXPECT_EQ(*waits.begin(), std::max(row.range.lowMs, StartDelay::kShortestMs));
    EXPECT_EQ(*waits.rbegin(), row.range.highMs);
}

INSTANTIATE_TEST_SUITE_P(Rows, StartDelayRanges,
                         ::testing::Values(RangeRow{{500, 2000}, false},
                                           RangeRow{{500, 2000}, true}, RangeRow{{0, 130}, false},
                                           RangeRow{{1000, 1000}, true}));

struct TapRow {
    std::int64_t pressedAfterTapMs;
    bool delayShown;
};

// A tap's walk goes on by itself, and leaves Staged lit: a press after it, while the walk or its
// wait runs or long after, never had the whole walk and its wait to show; a press after a whole
// race shows the wait it had on top of the walk.
TEST(StartDelay, ShowsAWaitOnlyWhereThePressStartedTheWalk) {
    const TapRow rows[] = {{300, false}, {2500, false}, {10000, false}};
    for (const TapRow& row : rows) {
        Rig rig(DelayRange{500, 2000});
        rig.main.stagePressed();
        rig.clock.advanceBy(100);
        rig.main.launched();
        rig.clock.advanceBy(row.pressedAfterTapMs);
        rig.race(false);
        EXPECT_EQ(rig.main.startDelayMs().has_value(), row.delayShown) << row.pressedAfterTapMs;
        const std::int64_t handOver = rig.race(false).first;
        EXPECT_EQ(rig.main.startDelayMs(), handOver - 2400) << "a whole race after the tap";
    }
}

// The delay draws from its own generator: the computer's times follow the same sequence.
TEST(StartDelay, LeavesTheComputersTimesAsTheyWere) {
    Rig plain(std::nullopt);
    Rig delayed(DelayRange{});
    for (int i = 0; i < 30; ++i) {
        const auto [plainHandOver, plainTime] = plain.race(i % 3 == 0);
        const auto [delayedHandOver, delayedTime] = delayed.race(i % 3 == 0);
        EXPECT_EQ(plainHandOver, 2400);
        EXPECT_GT(delayedHandOver, 2400);
        EXPECT_EQ(plainTime, delayedTime) << "race " << i;
    }
    EXPECT_EQ(plain.main.startDelayMs(), std::nullopt);
}

}  // namespace
}  // namespace korvane::testing
