#include "common/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvane {
namespace {

DecimalSeconds units(std::int64_t tenThousandths) {
    return DecimalSeconds::fromTenThousandths(tenThousandths);
}

TEST(NumberFormat, TimesShowWithALeadingSpaceAndNoZeroBeforeThePoint) {
    EXPECT_EQ(formatNumber(units(4650)), " .465");
    EXPECT_EQ(formatNumber(units(3850)), " .385");
    EXPECT_EQ(formatNumber(units(5000)), " .5");
    EXPECT_EQ(formatNumber(units(5200)), " .52");
    EXPECT_EQ(formatNumber(units(10620)), " 1.062");
    EXPECT_EQ(formatNumber(units(20000)), " 2");
    EXPECT_EQ(formatNumber(units(0)), " 0");
    EXPECT_EQ(formatNumber(units(1)), " .0001");
}

TEST(NumberFormat, NegativeTimesShowAMinusAndNoSpace) {
    EXPECT_EQ(formatNumber(units(-500)), "-.05");
    EXPECT_EQ(formatNumber(units(-12345)), "-1.2345");
    EXPECT_EQ(formatNumber(units(std::numeric_limits<std::int64_t>::min())),
              "-922337203685477.5808");
}

TEST(NumberFormat, CountsAreWholeNumbersWithALeadingSpace) {
    EXPECT_EQ(formatNumber(ShortInt::from(0)), " 0");
    EXPECT_EQ(formatNumber(ShortInt::from(17)), " 17");
    EXPECT_EQ(formatNumber(ShortInt::from(32767)), " 32767");
    EXPECT_EQ(formatNumber(ShortInt::from(-32768)), "-32768");
}

}  // namespace
}  // namespace korvane
