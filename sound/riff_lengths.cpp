#include "sound/riff_lengths.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace korvane {

namespace {

std::uint32_t readLE32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Caps the 32-bit length at `at` to `room` bytes; returns the length now written there.
std::size_t capLE32(std::vector<unsigned char>& bytes, std::size_t at, std::size_t room) {
    const std::size_t length = std::min<std::size_t>(readLE32(bytes, at), room);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(length >> (8 * i));
    return length;
}

}  // namespace

void clampRiffLengths(std::vector<unsigned char>& file) {
    constexpr std::size_t kHeader = 12;  // "RIFF", length, form type
    constexpr std::size_t kChunkHeader = 8;
    if (file.size() < kHeader || std::memcmp(file.data(), "RIFF", 4) != 0) return;
    capLE32(file, 4, file.size() - 8);
    for (std::size_t at = kHeader; at + kChunkHeader <= file.size();) {
        const std::size_t length = capLE32(file, at + 4, file.size() - at - kChunkHeader);
        at += kChunkHeader + length + (length & 1);  // chunks are padded to even lengths
    }
}

}  // namespace korvane
