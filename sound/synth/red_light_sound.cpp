#include <cmath>

#include "sound/synth/game_sounds.h"
#include "sound/synth/synth_blocks.h"

namespace korvane::synth {

namespace {

constexpr double kLength = 0.8;
constexpr double kLowHz = 146.8;
constexpr double kHighHz = 155.6;  // a semitone up: the two beat against each other

}  // namespace

// A harsh buzzer: two detuned buzzing tones driven into clipping, with a rasping flutter.
std::vector<std::int16_t> redLightSound() {
    const int count = static_cast<int>(kLength * kSoundRate);
    std::vector<double> out(static_cast<std::size_t>(count));
    LowPass edge;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double tones = sawtooth(t * kLowHz, kLowHz, 9000) +
                             square(t * kHighHz, kHighHz, 9000) +
                             0.4 * square(t * 3 * kLowHz, 3 * kLowHz, 9000);
        const double flutter = 0.8 + 0.2 * square(t * 35, 35, 400);
        const double clipped = std::tanh(2.5 * tones * flutter);
        out[static_cast<std::size_t>(i)] =
            edge.step(clipped, 7000, kSoundRate) * fadeInOut(t, kLength, 0.005, 0.03);
    }
    return toPcm16(out, 0.6);  // clipped nearly square: quieter peaks sound as loud
}

}  // namespace korvane::synth
