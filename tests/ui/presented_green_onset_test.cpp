#include <gtest/gtest.h>

#include "ui/timing/presented_green_onset.h"

namespace korvane::ui {
namespace {

using std::chrono::microseconds;

struct OnsetRow {
    bool presented;
    int atUs;  // the compositor's time, against a flush at 10,000 us
    int expectedUs;
    const char* source;
};

TEST(PresentedGreenOnset, TakesThePresentedTimeNeverBeforeTheFlush) {
    const OnsetRow rows[] = {
        {true, 18'000, 18'000, "presented"},
        {true, 10'000, 10'000, "presented"},
        {true, 9'999, 10'000, "flushed"},  // a clock that disagrees
        {false, 0, 10'000, "flushed"},     // discarded: a later frame replaced it
    };
    const Moment flushed{microseconds(10'000)};
    for (const OnsetRow& r : rows) {
        const Presentation outcome{r.presented, Moment(microseconds(r.atUs)), {}};
        const ChosenOnset onset = chooseOnset(flushed, outcome);
        EXPECT_EQ(onset.at, Moment(microseconds(r.expectedUs))) << r.atUs;
        EXPECT_EQ(onset.source, r.source) << r.atUs;
    }
}

}  // namespace
}  // namespace korvane::ui
