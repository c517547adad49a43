#pragma once

#include <string>
#include <vector>

namespace korvane::bench {

// Prints p50, p95, p99 and max of the samples (milliseconds) on one line with the target.
void printPercentiles(const std::string& what, std::vector<double> samples,
                      const std::string& target);
double monotonicMs();
void sleepMs(double ms);

}  // namespace korvane::bench
