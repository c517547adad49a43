#include "app/race_moments.h"

#include "common/fixed_rate_schedule.h"

namespace korvane {

namespace {

// The sequencer's tick that lights the green: the fourth on the Standard Tree (three ambers
// before it), the second on the Pro Tree.
std::chrono::nanoseconds greenDelay(const Timer& sequencer, int ticks) {
    return ticks * std::chrono::milliseconds(FixedRateSchedule::periodFor(sequencer.interval()));
}

}  // namespace

void RaceMoments::timerStarted(const Timer& timer, Moment at) {
    if (&timer == &main_.stagingWalk) {
        ++race_;
        green_ = {};
        source_.clear();
    } else if (&timer == &main_.playerSequencer) {
        green_.due = at + greenDelay(timer, 4);
    } else if (&timer == &main_.proSequencer) {
        green_.due = at + greenDelay(timer, 2);
    }
}

void RaceMoments::greenShown(std::uint64_t race, Moment handedOver, Moment at, std::string source) {
    if (race != race_ || green_.onset) return;
    green_.onset = at;
    green_.handedOver = handedOver;
    source_ = std::move(source);
}

}  // namespace korvane
