#pragma once

#include <cstdint>
#include <random>

namespace korvane {

// The program's one uniform generator of single-precision numbers in [0, 1). It is never
// seeded, so every run draws the same sequence.
class RandomSource {
  public:
    // Returns r with 0 <= r < 1: 24 random bits scaled by 2^-24, exact in a float, never 1.0.
    float next();

  private:
    std::mt19937 engine_;  // default-constructed: the same fixed state in every run
};

}  // namespace korvane
