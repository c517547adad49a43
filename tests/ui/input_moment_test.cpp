#include <gtest/gtest.h>

#include "ui/timing/input_moment.h"

namespace korvane::ui {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

struct StampRow {
    std::int64_t nowUs;     // the handler's entry on the monotonic clock
    std::uint64_t stampMs;  // the event's stamp
    std::int64_t expectedUs;
};

// X stamps are monotonic milliseconds cut to 32 bits; only a recent one is believed.
TEST(InputMoment, TakesARecentStampAndOtherwiseTheHandlersEntry) {
    const std::int64_t wrap = std::int64_t{1} << 32;
    const StampRow rows[] = {
        {5'000'300, 4'998, 4'998'500},  // 2 ms before the entry, mid-millisecond
        {5'000'300, 5'000, 5'000'300},  // this millisecond: never after the entry
        {5'000'300, 3'999, 5'000'300},  // over a second old: another clock
        {5'000'300, 6'000, 5'000'300},  // in the future
        {(wrap + 3) * 1000, wrap - 2, (wrap - 2) * 1000 + 500},  // across the 32-bit wrap
        {(wrap + 3) * 1000, 3, (wrap + 3) * 1000},
    };
    for (const StampRow& r : rows) {
        const Moment now{microseconds(r.nowUs)};
        EXPECT_EQ(inputMoment(r.stampMs, now), Moment(microseconds(r.expectedUs)))
            << r.nowUs << " " << r.stampMs;
    }
}

}  // namespace
}  // namespace korvane::ui
