#pragma once

#include <optional>
#include <vector>

#include "session/race_record.h"

namespace korvane {

// A run's true R/T in seconds; none before the hand-over.
std::optional<double> reactionSeconds(const RaceRecord& run);

// The session at a glance. R/T figures leave out runs without one and are empty without any.
struct SessionFigures {
    int runs = 0;
    int redLights = 0;
    std::optional<double> best;    // the smallest R/T at or above .000
    std::optional<double> median;  // of an even count, the mean of the middle two
    std::optional<double> mean;
    std::optional<double> deviation;   // sample standard deviation; needs two R/Ts
    std::optional<double> nearMedian;  // share of R/Ts within +-.010 of the median, 0 to 1
};

SessionFigures sessionFigures(const std::vector<RaceRecord>& runs);

}  // namespace korvane
