#pragma once

#include <optional>
#include <vector>

#include "session/race_record.h"

namespace korvane {

// A run's true R/T in seconds; none before the hand-over.
std::optional<double> reactionSeconds(const RaceRecord& run);
// A run's true R/T in the whole milliseconds the slip shows, half away from zero.
std::optional<long long> reactionMillis(const RaceRecord& run);

enum class Start { Clean, Early, Staging };

// How a release started: see treeFigures.
Start startOf(const RaceRecord& run);

// Figures of one tree, or both, in milliseconds and shares from 0 to 1.
struct TreeFigures {
    int runs = 0;
    int early = 0;
    int staging = 0;
    std::optional<double> best;
    std::optional<double> median;
    std::optional<double> mean;
    std::optional<double> deviation;
    std::optional<double> consistency;
    int perfect = 0;                        // perfect lights: R/T .000 to .009
    std::optional<double> perfectShare;     // of all runs
    std::optional<double> slowest;          // the slowest clean reaction
    std::optional<double> withinPerfect20;  // the share of all runs with R/T .000 to .020

    bool operator==(const TreeFigures&) const = default;
};

// The figures of the runs on TREE, or on both trees without one. A run whose R/T, rounded to the
// millisecond the slip shows, is at or above .000 is a clean reaction, below it an early start,
// and one without an R/T (released before the tree started) left during staging. Best, median
// (of an even count the mean of the middle two), mean, sample standard deviation (from two) and
// consistency (the share within +-.010 of the median) take clean reactions only, in whole
// milliseconds, and are empty without one; the board's own red lights play no part. Perfect
// lights, their share and the share within .020 count shown R/Ts from .000 up, as shares of
// every run on the tree (empty without runs); slowest is the slowest clean reaction.
TreeFigures treeFigures(const std::vector<RaceRecord>& runs, std::optional<Tree> tree);

// The session's figures, each tree apart and both together.
struct SessionFigures {
    TreeFigures standard;
    TreeFigures pro;
    TreeFigures both;
};

SessionFigures sessionFigures(const std::vector<RaceRecord>& runs);

}  // namespace korvane
