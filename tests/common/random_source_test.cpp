#include "common/random_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

// Never seeded: every run starts the same fixed sequence with these draws.
TEST(RandomSource, EveryRunDrawsTheSameSequence) {
    RandomSource random;
    for (float expected :
         {0x1.a12376p-1f, 0x1.1574fp-3f, 0x1.cfc3f4p-1f, 0x1.ab863ep-1f, 0x1.0411a8p-3f}) {
        EXPECT_EQ(random.next(), expected);
    }
}

TEST(RandomSource, DrawsStayInTheHalfOpenUnitInterval) {
    RandomSource random;
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 1000000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 1e-4f);
    EXPECT_GT(highest, 1.0f - 1e-4f);
}

TEST(RandomSource, DrawsAreSpreadEvenlyOverTenBins) {
    RandomSource random;
    std::vector<int> bins(10, 0);
    const int draws = 200000;
    for (int i = 0; i < draws; ++i) ++bins[static_cast<int>(random.next() * 10)];
    for (int count : bins) EXPECT_NEAR(count, draws / 10, 600);  // about 4.5 standard deviations
}

}  // namespace
}  // namespace korvane
