#include "app/session_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace korvane {

namespace {

constexpr double kNearMedian = 0.010;

double median(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    return n % 2 != 0 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double deviation(const std::vector<double>& values, double mean) {
    double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

}  // namespace

std::optional<double> reactionSeconds(const RaceRecord& run) {
    const auto rt = trueReactionTime(run.release, run.green);
    if (!rt) return std::nullopt;
    return std::chrono::duration<double>(*rt).count();
}

SessionFigures sessionFigures(const std::vector<RaceRecord>& runs) {
    SessionFigures figures;
    figures.runs = static_cast<int>(runs.size());
    std::vector<double> times;
    for (const RaceRecord& run : runs) {
        if (run.playerRed) ++figures.redLights;
        if (const auto rt = reactionSeconds(run)) times.push_back(*rt);
    }
    if (times.empty()) return figures;
    std::sort(times.begin(), times.end());
    const auto firstClean = std::lower_bound(times.begin(), times.end(), 0.0);
    if (firstClean != times.end()) figures.best = *firstClean;
    const double middle = median(times);
    figures.median = middle;
    figures.mean = std::accumulate(times.begin(), times.end(), 0.0) / times.size();
    if (times.size() > 1) figures.deviation = deviation(times, *figures.mean);
    const auto near = std::count_if(times.begin(), times.end(), [middle](double t) {
        return std::abs(t - middle) <= kNearMedian + 1e-9;
    });
    figures.nearMedian = static_cast<double>(near) / times.size();
    return figures;
}

}  // namespace korvane
