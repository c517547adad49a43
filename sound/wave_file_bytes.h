#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// The game's sounds are a few hundred kilobytes; nothing near this is a sound we mean to play.
inline constexpr std::size_t kMaxWaveFileBytes = 32u * 1024 * 1024;

// The whole content of a regular file of at most maxBytes, or nothing when it cannot be read,
// is not a regular file or is larger. Opens without blocking, so a FIFO swapped in after the
// lookup cannot hang the game.
std::optional<std::vector<unsigned char>> readWaveFileBytes(
    const std::string& path, std::size_t maxBytes = kMaxWaveFileBytes);

}  // namespace korvane
