#include "figures.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

namespace korvane::bench {

namespace {

double percentile(const std::vector<double>& sorted, double p) {
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace

void printPercentiles(const std::string& what, std::vector<double> samples,
                      const std::string& target) {
    if (samples.empty()) {
        std::printf("%-44s no samples\n", what.c_str());
        return;
    }
    std::sort(samples.begin(), samples.end());
    std::printf(
        "%-44s n %3zu  p50 %7.2f  p95 %7.2f  p99 %7.2f  max %7.2f  min %7.2f ms   (target %s)\n",
        what.c_str(), samples.size(), percentile(samples, 0.5), percentile(samples, 0.95),
        percentile(samples, 0.99), samples.back(), samples.front(), target.c_str());
}

void printDifference(const std::string& what, std::vector<double> samples,
                     std::vector<double> reference, double p50AllowanceMs) {
    if (samples.empty() || reference.empty()) {
        std::printf("%-44s no samples\n", what.c_str());
        return;
    }
    std::sort(samples.begin(), samples.end());
    std::sort(reference.begin(), reference.end());
    const auto less = [&](double p) { return percentile(samples, p) - percentile(reference, p); };
    const double p50 = less(0.5);
    std::printf(
        "%-44s        p50 %+7.2f  p95 %+7.2f  p99 %+7.2f  max %+7.2f ms             "
        "(target p50 <= %+.0f: %s)\n",
        what.c_str(), p50, less(0.95), less(0.99), samples.back() - reference.back(),
        p50AllowanceMs, p50 <= p50AllowanceMs ? "met" : "MISSED");
}

double monotonicMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void sleepMs(double ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

}  // namespace korvane::bench
