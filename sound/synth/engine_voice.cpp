#include "sound/synth/engine_voice.h"

#include <cmath>
#include <numbers>

namespace korvane::synth {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kHarmonics = 14;
}  // namespace

double EngineVoice::tone(double firingHz, double throttle) const {
    double sum = 0;
    const double rolloff = 1.3 - 0.5 * throttle;  // open throttle: a brighter, rasping note
    for (int h = 1; h <= kHarmonics && h * firingHz < rate_ / 2.5; ++h) {
        sum += std::sin(kTwoPi * h * phase_ + 0.7 * h) / std::pow(h, rolloff);
    }
    // Cylinders fire unevenly across a crank turn (two firings) and a full cycle (four).
    sum += 0.45 * std::sin(kTwoPi * phase_ / 2) + 0.25 * std::sin(kTwoPi * phase_ / 4 + 1.1);
    return sum;
}

double EngineVoice::step(double rpm, double throttle) {
    const double firingHz = rpm / 60.0 * 4.0;  // eight cylinders, each firing every second turn
    phase_ += firingHz / rate_;
    const double sinceFiring = phase_ - std::floor(phase_);
    // Each firing swells in a few milliseconds and dies away: a hard edge would only click.
    const double pulse = (1.0 - std::exp(-sinceFiring * 40.0)) * std::exp(-sinceFiring * 6.0);
    const double puff = exhaust_.step(noise_.next(), 600 + 2400 * throttle, rate_) * pulse;
    const double raw = tone(firingHz, throttle) * (0.55 + 0.45 * pulse) + 2.5 * puff;
    const double drive = 1.2 + 1.8 * throttle;
    const double shaped = std::tanh(drive * raw * 0.4);
    return body_.step(shaped, 1800 + 5000 * throttle, rate_);
}

}  // namespace korvane::synth
