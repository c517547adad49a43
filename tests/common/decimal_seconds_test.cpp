#include "common/decimal_seconds.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/overflow_error.h"

namespace korvane {
namespace {

TEST(DecimalSeconds, StoringMillisecondsAndAddingThousandthsIsExact) {
    DecimalSeconds clock = DecimalSeconds::fromMillis(465);
    EXPECT_EQ(clock.tenThousandths(), 4650);
    for (int tick = 0; tick < 35; ++tick) clock += DecimalSeconds::fromMillis(1);
    EXPECT_EQ(clock, DecimalSeconds::fromMillis(500));
    // A million ticks later there is still no drift, as a float would show.
    for (int tick = 0; tick < 1000000; ++tick) clock += DecimalSeconds::fromMillis(1);
    EXPECT_EQ(clock.tenThousandths(), 10005000);
}

TEST(DecimalSeconds, SubtractionGoesBelowZeroExactly) {
    DecimalSeconds t = DecimalSeconds::fromMillis(465) - DecimalSeconds::fromMillis(80);
    EXPECT_EQ(t.tenThousandths(), 3850);
    t -= DecimalSeconds::fromMillis(400);
    EXPECT_EQ(t.tenThousandths(), -150);
    EXPECT_LT(t, DecimalSeconds{});
}

TEST(DecimalSeconds, OverflowIsRaisedAndTheValueKept) {
    DecimalSeconds big =
        DecimalSeconds::fromTenThousandths(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(big += DecimalSeconds::fromMillis(1), OverflowError);
    EXPECT_EQ(big.tenThousandths(), std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(DecimalSeconds::fromMillis(std::numeric_limits<std::int64_t>::max() / 5),
                 OverflowError);
}

TEST(DecimalSeconds, ConvertsToTheNearestDouble) {
    EXPECT_EQ(DecimalSeconds::fromMillis(497).toDouble(), 0.497);
    EXPECT_EQ(DecimalSeconds::fromMillis(-50).toDouble(), -0.05);
}

}  // namespace
}  // namespace korvane
