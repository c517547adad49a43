#pragma once

#include <chrono>

namespace korvane {

// A point on the monotonic clock, where the platform's input and frame times are compared.
using Moment = std::chrono::steady_clock::time_point;

}  // namespace korvane
