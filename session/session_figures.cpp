#include "session/session_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace korvane {

namespace {

constexpr double kNearMedian = 0.010;

// Partial ordering is enough, which keeps a long session's release cheap.
double median(std::vector<double> values) {
    const std::size_t n = values.size();
    const auto upper = values.begin() + static_cast<std::ptrdiff_t>(n / 2);
    std::nth_element(values.begin(), upper, values.end());
    if (n % 2 != 0) return *upper;
    return (*std::max_element(values.begin(), upper) + *upper) / 2;
}

double deviation(const std::vector<double>& values, double mean) {
    double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

}  // namespace

std::optional<double> reactionSeconds(const RaceRecord& run) {
    if (!run.rt) return std::nullopt;
    return std::chrono::duration<double>(*run.rt).count();
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
    for (double t : times) {
        if (t >= 0 && (!figures.best || t < *figures.best)) figures.best = t;
    }
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
