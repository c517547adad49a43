#pragma once

#include <cstdint>
#include <vector>

namespace korvane {

inline constexpr int kDefaultToneRate = 22050;

// The short chime played in place of a file that is not a valid wave: mono 16-bit samples at
// kDefaultToneRate.
const std::vector<std::int16_t>& defaultTone();

}  // namespace korvane
