#include "sound/default_tone.h"

#include <cmath>
#include <numbers>

namespace korvane {

namespace {

// Two partials a fifth apart with a quick attack and an exponential fade, about 0.3 s.
std::vector<std::int16_t> makeChime() {
    const int count = kDefaultToneRate * 3 / 10;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kDefaultToneRate;
        const double attack = std::min(1.0, t / 0.005);
        const double fade = std::exp(-t * 12.0);
        const double wave = std::sin(2 * std::numbers::pi * 880 * t) +
                            0.5 * std::sin(2 * std::numbers::pi * 1320 * t);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(16000.0 * attack * fade * wave));
    }
    return samples;
}

}  // namespace

const std::vector<std::int16_t>& defaultTone() {
    static const std::vector<std::int16_t> tone = makeChime();
    return tone;
}

}  // namespace korvane
