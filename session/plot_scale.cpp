#include "session/plot_scale.h"

#include <algorithm>

#include "session/session_figures.h"

namespace korvane {

namespace {

constexpr Span kLeastSpan{100, 300};
constexpr long long kLeastBin = 10;

// Rounds down to a multiple of STEP, below zero too.
long long floorTo(long long value, long long step) {
    const long long q = value / step;
    return (q * step > value ? q - 1 : q) * step;
}

}  // namespace

PlotPoint plotPointOf(const RaceRecord& run) {
    return {reactionMillis(run), run.playerRed, run.tree == Tree::Pro};
}

bool earlyStart(const PlotPoint& point) {
    return point.ms && *point.ms < 0;
}

Span cleanSpan(const std::vector<PlotPoint>& runs) {
    Span span = kLeastSpan;
    for (const PlotPoint& run : runs) {
        if (!run.ms || earlyStart(run)) continue;
        span.low = std::min(span.low, *run.ms);
        span.high = std::max(span.high, *run.ms);
    }
    return span;
}

Span earlySpan(const std::vector<PlotPoint>& runs) {
    long long earliest = 0;
    for (const PlotPoint& run : runs) {
        if (earlyStart(run)) earliest = std::min(earliest, *run.ms);
    }
    return {-niceStep(-earliest, 1, 1, kLeastBin), 0};
}

double spanShare(const Span& span, double value) {
    return (value - static_cast<double>(span.low)) /
           static_cast<double>(std::max<long long>(span.high - span.low, 1));
}

double runShare(std::size_t i, std::size_t count) {
    return static_cast<double>(i) / (std::max<double>(static_cast<double>(count), 2) - 1);
}

long long niceStep(long long span, int pixels, int label, long long least) {
    const long long room = std::max(pixels, 1);
    for (long long decade = 1;; decade *= 10) {
        for (const long long step : {decade, 2 * decade, 5 * decade / 2, 5 * decade}) {
            if (step >= least && step * room >= span * label) return step;
        }
    }
}

std::vector<long long> ticks(const Span& span, long long step) {
    std::vector<long long> at;
    for (long long t = floorTo(span.low, step); t <= span.high; t += step) {
        if (t >= span.low) at.push_back(t);
    }
    return at;
}

// Two pixels spare: the span's ends take up to a bin more each once rounded to whole bins.
PlotBins plotBins(const std::vector<PlotPoint>& runs, int pixels) {
    const Span span = cleanSpan(runs);
    PlotBins bins;
    bins.width = niceStep(span.high - span.low, pixels - 2, 1, kLeastBin);
    bins.first = floorTo(span.low, bins.width);
    bins.counts.resize(static_cast<std::size_t>((span.high - bins.first) / bins.width + 1));
    for (const PlotPoint& run : runs) {
        if (earlyStart(run)) {
            ++bins.early;
        } else if (run.ms) {
            ++bins.counts[static_cast<std::size_t>((*run.ms - bins.first) / bins.width)];
        }
    }
    return bins;
}

}  // namespace korvane
