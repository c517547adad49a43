#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sound/byte_source.h"

namespace korvane {

// Where a wave file keeps its format and its samples.
struct WaveLayout {
    std::vector<unsigned char> format;  // the fmt chunk's body, as far as a decoder reads it
    std::uint64_t dataStart = 0;        // file offset of the first sample byte
    std::uint64_t dataLength = 0;       // never more than the file holds
    std::uint32_t blockAlign = 1;       // samples are decoded in whole blocks of this size
};

// Finds the fmt and data chunks the way SDL's decoder does (a RIFF header, or a bare "WAVE"
// form type in its place), without trusting any length beyond the file's end. Nothing, with
// the reason, when the file has no fmt chunk before a data chunk.
std::optional<WaveLayout> findWaveLayout(ByteSource& bytes, std::string& problem);

// A complete wave file in memory with the layout's format and these bytes as its samples:
// every length in it is exact, so a decoder sizes nothing by a length the file made up.
std::vector<unsigned char> waveWithSamples(const WaveLayout& layout, const unsigned char* samples,
                                           std::size_t count);

}  // namespace korvane
