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
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        std::int64_t a;
        char op;
        std::int64_t b;
        bool overflows;
    } rows[] = {{kMax, '+', 10, true}, {kMin, '+', -1, true}, {kMin, '-', 10, true},
                {kMax, '-', -1, true}, {0, '-', kMin, true},  {-1, '-', kMin, false}};
    for (const auto& row : rows) {
        DecimalSeconds t = DecimalSeconds::fromTenThousandths(row.a);
        const DecimalSeconds b = DecimalSeconds::fromTenThousandths(row.b);
        const auto apply = [&] {
            if (row.op == '+') t += b;
            if (row.op == '-') t -= b;
        };
        if (row.overflows) {
            EXPECT_THROW(apply(), OverflowError) << row.a << row.op << row.b;
            EXPECT_EQ(t.tenThousandths(), row.a);
        } else {
            EXPECT_NO_THROW(apply()) << row.a << row.op << row.b;
        }
    }
    EXPECT_THROW(DecimalSeconds::fromMillis(kMax / 5), OverflowError);
    EXPECT_THROW(DecimalSeconds::fromMillis(kMin / 5), OverflowError);
}

TEST(DecimalSeconds, ConvertsToTheNearestDouble) {
    EXPECT_EQ(DecimalSeconds::fromMillis(497).toDouble(), 0.497);
    EXPECT_EQ(DecimalSeconds::fromMillis(-50).toDouble(), -0.05);
}

}  // namespace
}  // namespace korvane
