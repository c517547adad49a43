#pragma once

#include <string>
#include <vector>

namespace korvane::bench {

// Prints p50, p95, p99 and max of the samples (milliseconds) on one line with the target.
void printPercentiles(const std::string& what, std::vector<double> samples,
                      const std::string& target);
// The first samples' percentiles less the second's (a program and a reference timed the same
// way in the same run) on one line, and whether the p50s are within the allowance.
void printDifference(const std::string& what, std::vector<double> samples,
                     std::vector<double> reference, double p50AllowanceMs);
double monotonicMs();
void sleepMs(double ms);

}  // namespace korvane::bench
