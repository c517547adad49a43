#pragma once

#include <chrono>
#include <optional>

#include "common/moment.h"

namespace korvane {

// When the player's green came on in one race, as far as is known at a release.
struct GreenMoments {
    std::optional<Moment> due;         // set at the hand-over: when the sequencer lights the green
    std::optional<Moment> onset;       // the frame that first showed it reached the screen
    std::optional<Moment> handedOver;  // when that frame was handed to the display
};

// Whether the release counts from the green's onset: its frame was on its way before the
// release (a green that the release itself lit was not there to react to).
bool countsFromOnset(Moment release, const GreenMoments& green);

// The true reaction time of a release: release - green onset where it counts from the onset;
// otherwise release - the green's due moment (negative before it); none before the hand-over.
std::optional<std::chrono::nanoseconds> trueReactionTime(Moment release, const GreenMoments& green);

}  // namespace korvane
