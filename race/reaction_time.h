#pragma once

#include <chrono>
#include <optional>

#include "common/moment.h"

namespace korvane {

// When the player's green came on in one race, as far as is known at a release.
struct GreenMoments {
    std::optional<Moment> due;    // set at the hand-over: when the sequencer lights the green
    std::optional<Moment> onset;  // the frame that first showed it reached the screen
};

// The true reaction time of a release: release - green onset once the green was shown;
// release - the green's due moment before it (negative); none before the hand-over.
std::optional<std::chrono::nanoseconds> trueReactionTime(Moment release, const GreenMoments& green);

}  // namespace korvane
