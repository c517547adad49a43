#include "session/session_figures.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace korvane {

namespace {

constexpr double kConsistencyMs = 10;
constexpr long long kPerfectMs = 9;
constexpr long long kNearPerfectMs = 20;

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

void addCleanFigures(TreeFigures& figures, const std::vector<double>& clean) {
    if (clean.empty()) return;
    const double n = static_cast<double>(clean.size());
    const double middle = median(clean);
    figures.best = *std::min_element(clean.begin(), clean.end());
    figures.median = middle;
    figures.mean = std::accumulate(clean.begin(), clean.end(), 0.0) / n;
    if (clean.size() > 1) figures.deviation = deviation(clean, *figures.mean);
    const auto near = std::count_if(clean.begin(), clean.end(), [middle](double ms) {
        return std::abs(ms - middle) <= kConsistencyMs;
    });
    figures.consistency = static_cast<double>(near) / n;
}

}  // namespace

std::optional<double> reactionSeconds(const RaceRecord& run) {
    if (!run.rt) return std::nullopt;
    return std::chrono::duration<double>(*run.rt).count();
}

// Nanoseconds are exact in a double, so the halves round as written.
std::optional<long long> reactionMillis(const RaceRecord& run) {
    if (!run.rt) return std::nullopt;
    return std::llround(static_cast<double>(run.rt->count()) / 1e6);
}

Start startOf(const RaceRecord& run) {
    const auto ms = reactionMillis(run);
    if (!ms) return Start::Staging;
    return *ms < 0 ? Start::Early : Start::Clean;
}

TreeFigures treeFigures(const std::vector<RaceRecord>& runs, std::optional<Tree> tree) {
    TreeFigures figures;
    std::vector<double> clean;
    for (const RaceRecord& run : runs) {
        if (tree && run.tree != *tree) continue;
        ++figures.runs;
        switch (startOf(run)) {
            case Start::Clean:
                clean.push_back(static_cast<double>(*reactionMillis(run)));
                break;
            case Start::Early:
                ++figures.early;
                break;
            case Start::Staging:
                ++figures.staging;
                break;
        }
    }
    addCleanFigures(figures, clean);
    return figures;
}

CountedFigures countedFigures(const std::vector<RaceRecord>& runs, std::optional<Tree> tree) {
    std::vector<std::optional<long long>> shown;
    for (const RaceRecord& run : runs) {
        if (!tree || run.tree == *tree) shown.push_back(reactionMillis(run));
    }
    return countedFigures(shown);
}

CountedFigures countedFigures(std::span<const std::optional<long long>> shownRts) {
    CountedFigures figures;
    if (shownRts.empty()) return figures;
    int perfect = 0;
    int near = 0;
    for (const std::optional<long long>& ms : shownRts) {
        if (!ms || *ms < 0) continue;
        perfect += *ms <= kPerfectMs;
        near += *ms <= kNearPerfectMs;
        figures.slowest = std::max(figures.slowest.value_or(0), static_cast<double>(*ms));
    }
    const auto all = static_cast<double>(shownRts.size());
    figures.perfect = perfect;
    figures.perfectShare = perfect / all;
    figures.withinPerfect20 = near / all;
    return figures;
}

SessionFigures sessionFigures(const std::vector<RaceRecord>& runs) {
    return {treeFigures(runs, Tree::Standard),
            treeFigures(runs, Tree::Pro),
            treeFigures(runs, std::nullopt),
            {countedFigures(runs, Tree::Standard), countedFigures(runs, Tree::Pro),
             countedFigures(runs, std::nullopt)}};
}

}  // namespace korvane
