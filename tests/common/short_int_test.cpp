#include "common/short_int.h"

#include <gtest/gtest.h>

#include "common/overflow_error.h"

namespace korvane {
namespace {

TEST(ShortInt, ArithmeticStaysExactInsideTheSixteenBitRange) {
    EXPECT_EQ((ShortInt::from(496) - ShortInt::from(512) + ShortInt::from(1)).value(), -15);
    EXPECT_EQ((ShortInt::from(32766) + ShortInt::from(1)).value(), 32767);
    EXPECT_EQ((ShortInt::from(-32767) - ShortInt::from(1)).value(), -32768);
}

TEST(ShortInt, ResultsOutsideTheRangeRaiseOverflowInsteadOfWrapping) {
    EXPECT_THROW(ShortInt::from(32767) + ShortInt::from(1), OverflowError);
    EXPECT_THROW(ShortInt::from(-32768) - ShortInt::from(1), OverflowError);
    EXPECT_THROW(ShortInt::from(40000), OverflowError);
    EXPECT_THROW(ShortInt::from(-32769), OverflowError);
}

TEST(ShortInt, AFailedAdditionLeavesTheTargetUnchanged) {
    ShortInt count = ShortInt::from(32767);
    EXPECT_THROW(count = count + ShortInt::from(1), OverflowError);
    EXPECT_EQ(count.value(), 32767);
}

}  // namespace
}  // namespace korvane
