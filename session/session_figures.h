#pragma once

#include <array>
#include <optional>
#include <span>
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

    bool operator==(const TreeFigures&) const = default;
};

// The figures of the runs on TREE, or on both trees without one. A run whose R/T, rounded to the
// millisecond the slip shows, is at or above .000 is a clean reaction, below it an early start,
// and one without an R/T (released before the tree started) left during staging. Best, median
// (of an even count the mean of the middle two), mean, sample standard deviation (from two) and
// consistency (the share within +-.010 of the median) take clean reactions only, in whole
// milliseconds, and are empty without one; the board's own red lights play no part.
// History has the same figures from SQL (logbook/session_summary.cpp and logbook/history.cpp):
// change both together; History.EachSessionAndTreeHasTheSlipsFiguresNewestFirst holds them equal.
TreeFigures treeFigures(const std::vector<RaceRecord>& runs, std::optional<Tree> tree);

// The figures racers count, of one tree or both, on the R/Ts as shown: perfect lights (.000 to
// .009) with their share of every run on the tree, the slowest clean reaction and the share of
// every run within .020 of perfect (.000 to .020); shares are empty without runs.
struct CountedFigures {
    int perfect = 0;
    std::optional<double> perfectShare;
    std::optional<double> slowest;
    std::optional<double> withinPerfect20;

    bool operator==(const CountedFigures&) const = default;
};

CountedFigures countedFigures(const std::vector<RaceRecord>& runs, std::optional<Tree> tree);
// The same of runs given by their R/Ts as shown, in whole milliseconds (none for a release during
// staging): the logbook keeps them so, and History counts through here.
CountedFigures countedFigures(std::span<const std::optional<long long>> shownRts);

// The session's figures, each tree apart and both together.
struct SessionFigures {
    TreeFigures standard;
    TreeFigures pro;
    TreeFigures both;
    std::array<CountedFigures, 3> counted;  // standard, pro, both
};

SessionFigures sessionFigures(const std::vector<RaceRecord>& runs);

}  // namespace korvane
