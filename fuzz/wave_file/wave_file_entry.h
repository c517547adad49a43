#pragma once

#include <cstddef>
#include <cstdint>

namespace korvane::fuzz {

// Reads one input as a wave file, the way the game reads a sound file: finds its chunks,
// decodes it in pieces and reads every sample out.
void readAsWaveFile(const std::uint8_t* data, std::size_t size);

}  // namespace korvane::fuzz
