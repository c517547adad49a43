#include "race/computer_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "common/number_reading.h"
#include "common/overflow_error.h"
#include "common/random_source.h"
#include "race/skill_levels.h"
#include "race/tree_rules.h"

namespace korvane {
namespace {

// A level's |k| equally likely times and how many of them are red lights (Standard: below .500,
// Pro: below .400), as the README's table of levels promises.
struct LevelOdds {
    int values;
    int redValues;
};
constexpr LevelOdds kOdds[] = {{0, 0}, {27, 7}, {21, 5}, {15, 3}, {9, 1}, {3, 0}};

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(ComputerTime, ZeroGivesTheUpperBoundAndTheLargestDrawTheLowerBoundPlusOne) {
    for (int level = 1; level <= 5; ++level) {
        const ReactionWindow& w = kLevelWindows[level];
        for (int lower : {0, kProTreeLead}) {
            const ShortInt h = ShortInt::from(w.fastest - lower);
            const ShortInt l = ShortInt::from(w.slowest - lower);
            EXPECT_EQ(drawComputerTime(h, l, 0.0f), w.slowest - lower) << level;
            EXPECT_EQ(drawComputerTime(h, l, kLargestBelowOne), w.fastest - lower + 1) << level;
        }
    }
}

TEST(ComputerTime, EachValueTakesAnEqualSliceOfTheRandomRange) {
    const ShortInt h = ShortInt::from(492), l = ShortInt::from(520);
    // k = -27: the value 519 covers r in (0, 1/27], 493 covers (26/27, 1).
    EXPECT_EQ(drawComputerTime(h, l, 1.0f / 27.0f - 1e-6f), 519);
    EXPECT_EQ(drawComputerTime(h, l, 0.5f), 506);  // 520 - 13.5
    EXPECT_EQ(drawComputerTime(h, l, 26.0f / 27.0f + 1e-6f), 493);
    EXPECT_EQ(drawComputerTime(h, l, 0x1p-24f), 519);  // the smallest draw above zero
}

TEST(ComputerTime, ABoundPairOutsideSixteenBitsIsAnOverflowNotAWrap) {
    EXPECT_THROW(drawComputerTime(ShortInt::from(-32768), ShortInt::from(32767), 0.5f),
                 OverflowError);
}

TEST(ComputerTime, TheDisplayTextIsAPointAndTheMilliseconds) {
    EXPECT_EQ(computerTimeText(505), ".505");
    EXPECT_EQ(computerTimeText(393), ".393");
    EXPECT_DOUBLE_EQ(readNumber(computerTimeText(497)), 0.497);
}

// Over many draws every level yields exactly its range, evenly, and red-lights as often as the
// level table says: redValues out of |k| races.
TEST(ComputerTime, EveryLevelDrawsItsWholeRangeEvenlyWithItsShareOfRedLights) {
    constexpr int kDraws = 100000;
    for (bool pro : {false, true}) {
        for (int level = 1; level <= 5; ++level) {
            const ReactionWindow& w = kLevelWindows[level];
            const int lower = pro ? kProTreeLead : 0;
            const ShortInt h = ShortInt::from(w.fastest - lower);
            const ShortInt l = ShortInt::from(w.slowest - lower);
            RandomSource random;
            std::map<int, int> seen;
            int red = 0, zeros = 0;
            for (int i = 0; i < kDraws; ++i) {
                const float r = random.next();
                zeros += r == 0.0f;
                const int v = drawComputerTime(h, l, r);
                ++seen[v];
                const double shown = readNumber(computerTimeText(v));
                red += isRedLight(shown, rulesFor(pro));
            }
            const std::string where =
                (pro ? "Pro level " : "Standard level ") + std::to_string(level);
            EXPECT_EQ(seen.begin()->first, h.value() + 1) << where;
            EXPECT_EQ(seen.rbegin()->first, zeros > 0 ? l.value() : l.value() - 1) << where;
            EXPECT_EQ(seen.count(l.value()) ? seen[l.value()] : 0, zeros) << where;
            const int width = w.slowest - w.fastest - 1;  // |k|: the values below the top
            EXPECT_EQ(width, kOdds[level].values) << where;
            EXPECT_EQ(static_cast<int>(seen.size()), width + (zeros > 0)) << where;

            const double share = static_cast<double>(kOdds[level].redValues) / width;
            const double sd = std::sqrt(share * (1 - share) / kDraws);
            EXPECT_NEAR(static_cast<double>(red) / kDraws, share, 5 * sd + 1e-12) << where;
            for (const auto& [value, count] : seen) {
                if (value == l.value()) continue;
                const double p = 1.0 / width;
                EXPECT_NEAR(static_cast<double>(count) / kDraws, p,
                            5 * std::sqrt(p * (1 - p) / kDraws))
                    << where << " value " << value;
            }
        }
    }
}

}  // namespace
}  // namespace korvane
