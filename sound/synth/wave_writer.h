#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

// The bytes of a mono 16-bit PCM wave file holding these samples.
std::vector<unsigned char> waveFileBytes(const std::vector<std::int16_t>& samples, int rate);

// Writes a mono 16-bit PCM wave file; throws std::runtime_error when it cannot.
void writeWaveFile(const std::string& path, const std::vector<std::int16_t>& samples, int rate);

}  // namespace korvane
