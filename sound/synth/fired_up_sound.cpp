#include <cmath>
#include <numbers>

#include "sound/synth/engine_voice.h"
#include "sound/synth/game_sounds.h"

namespace korvane::synth {

namespace {

constexpr double kLength = 1.5;
constexpr double kCatch = 0.42;  // the moment the engine fires on its own

// The starter motor's whine, pulsing as each cylinder comes up on compression.
double starter(double t, Noise& noise, LowPass& grit) {
    if (t > kCatch + 0.05) return 0;
    const double compression = 0.6 + 0.4 * std::sin(2 * std::numbers::pi * 13 * t);
    const double whine = sawtooth(t * 210, 210, 6000) + 0.3 * square(t * 420, 420, 6000);
    const double rattle = grit.step(noise.next(), 1500, kSoundRate);
    return (0.35 * whine + 0.6 * rattle) * compression * fadeInOut(t, kCatch + 0.05, 0.03, 0.06);
}

// Revs: a flare as it catches, settling to idle, a blip of the throttle and back down.
const std::vector<std::pair<double, double>> kRpm = {{kCatch, 300}, {0.52, 1900}, {0.72, 1000},
                                                     {0.82, 1050},  {1.05, 5600}, {1.5, 1300}};
const std::vector<std::pair<double, double>> kThrottle = {
    {kCatch, 0.7}, {0.5, 0.8}, {0.6, 0.2}, {0.8, 0.2}, {0.84, 1.0}, {1.02, 1.0}, {1.1, 0.1}};

}  // namespace

std::vector<std::int16_t> firedUpSound() {
    EngineVoice engine(kSoundRate, 0x2f6b3a1d);
    Noise noise(0x91e4c7b5);
    LowPass grit;
    const int count = static_cast<int>(kLength * kSoundRate);
    std::vector<double> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double running =
            t < kCatch ? 0.0 : fadeInOut(t - kCatch, kLength - kCatch, 0.03, 0.12);
        const double voice = engine.step(curve(kRpm, t), curve(kThrottle, t));
        out[static_cast<std::size_t>(i)] = starter(t, noise, grit) + running * voice;
    }
    return toPcm16(out, 0.89);
}

}  // namespace korvane::synth
