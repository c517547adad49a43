#include "random_source.h"

namespace korvane {

float RandomSource::next() {
    const std::uint32_t bits = static_cast<std::uint32_t>(engine_()) >> 8;
    return static_cast<float>(bits) * 0x1p-24f;
}

}  // namespace korvane
