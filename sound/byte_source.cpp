#include "sound/byte_source.h"

#include <algorithm>
#include <cstring>

namespace korvane {

std::size_t MemoryBytes::readAt(std::uint64_t offset, unsigned char* out, std::size_t count) {
    if (offset >= bytes_.size() || count == 0) return 0;
    const std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - offset);
    std::memcpy(out, bytes_.data() + offset, n);
    return n;
}

}  // namespace korvane
