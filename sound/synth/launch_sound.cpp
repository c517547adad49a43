#include <cmath>

#include "sound/synth/engine_voice.h"
#include "sound/synth/game_sounds.h"

namespace korvane::synth {

namespace {

constexpr double kLength = 1.0;

// Revs drop as the clutch bites, then climb hard; the tyres scream and then hook up.
const std::vector<std::pair<double, double>> kRpm = {
    {0.0, 5200}, {0.08, 4300}, {0.25, 5200}, {1.0, 7200}};
const std::vector<std::pair<double, double>> kTyres = {
    {0.0, 0.0}, {0.03, 1.0}, {0.25, 0.8}, {0.7, 0.2}, {1.0, 0.0}};

// Tyre noise: broadband hiss around the tread plus a wavering squeal.
class Tyres {
  public:
    double step(double t) {
        const double hiss = hissBand_.step(noise_.next(), 3000, 0.8, kSoundRate);
        const double wander = wobble_.step(noise_.next(), 8, kSoundRate) * 400;
        const double squeal =
            squealBand_.step(noise_.next(), 1900 + wander + 300 * t, 18, kSoundRate);
        return 0.6 * hiss + 9.0 * squeal;
    }

  private:
    Noise noise_{0x5a17c0de};
    BandPass hissBand_;
    BandPass squealBand_;
    LowPass wobble_;
};

}  // namespace

std::vector<std::int16_t> launchSound() {
    EngineVoice engine(kSoundRate, 0x7c3d9e21);
    Tyres tyres;
    Noise rumbleNoise(0x1b873f55);
    LowPass rumble;
    const int count = static_cast<int>(kLength * kSoundRate);
    std::vector<double> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double roar = engine.step(curve(kRpm, t), 1.0) +
                            1.5 * rumble.step(rumbleNoise.next(), 250, kSoundRate);
        const double mix = roar + curve(kTyres, t) * tyres.step(t);
        out[static_cast<std::size_t>(i)] = mix * fadeInOut(t, kLength, 0.004, 0.15);
    }
    return toPcm16(out, 0.89);
}

}  // namespace korvane::synth
