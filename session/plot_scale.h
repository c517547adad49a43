#pragma once

#include <optional>
#include <vector>

#include "session/race_record.h"

namespace korvane {

// What the plots show of a run: its R/T in the whole milliseconds the slip shows.
struct PlotPoint {
    std::optional<long long> ms;  // none when left during staging
    bool red = false;
    bool pro = false;  // on the Pro tree: drawn round, a Standard run square
};
PlotPoint plotPointOf(const RaceRecord& run);
// An early start: shown below .000, so it goes in the plots' early strip, off the scale.
bool earlyStart(const PlotPoint& point);

// A stretch of a scale, in its own units (milliseconds of R/T, or run numbers).
struct Span {
    long long low = 0;
    long long high = 0;
};
// The R/T scale of the clean reactions, never narrower than .100 to .300; early starts and runs
// left during staging play no part in it.
Span cleanSpan(const std::vector<PlotPoint>& runs);
// The early strip's scale, from .000 down to a nice bound (1, 2, 2.5 or 5 times a power of ten,
// at least .010) at or below the earliest start: how early each was shows, -1.492 far below
// -.021.
Span earlySpan(const std::vector<PlotPoint>& runs);
// How far up SPAN a value lies: 0 at its low end, 1 at its high end.
double spanShare(const Span& span, double value);
// How far along the plot run i of count lies: the first at 0, the last at 1.
double runShare(std::size_t i, std::size_t count);

// The least of 1, 2, 2.5 and 5 times a power of ten, and at least LEAST, whose steps lie at least
// LABEL pixels apart where PIXELS show SPAN: labels that far apart never touch.
long long niceStep(long long span, int pixels, int label, long long least);
// Every multiple of STEP within SPAN.
std::vector<long long> ticks(const Span& span, long long step);

// The clean reactions in bins of a nice width from 10 ms, each at least a pixel wide where
// PIXELS show them all; bin k holds first + k x width up to the next bin. Early starts are
// counted apart.
struct PlotBins {
    long long width = 10;
    long long first = 0;
    std::vector<int> counts;
    int early = 0;
};
PlotBins plotBins(const std::vector<PlotPoint>& runs, int pixels);

}  // namespace korvane
