#pragma once

#include <cstdint>
#include <vector>

namespace korvane::synth {

// White noise in -1..1 from a fixed seed, so every build makes the same sounds.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1) {}
    double next();

  private:
    std::uint32_t state_;
};

// A one-pole low-pass filter; the cutoff may change from sample to sample.
class LowPass {
  public:
    double step(double x, double cutoffHz, int rate);

  private:
    double y_ = 0;
};

// A two-pole band-pass (constant peak gain) for resonant noise such as tyre squeal.
class BandPass {
  public:
    double step(double x, double centreHz, double q, int rate);

  private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Rises linearly over attack seconds from 0 and falls linearly over release seconds to the end.
double fadeInOut(double t, double length, double attack, double release);

// Linear interpolation through (time, value) points, held flat outside them.
double curve(const std::vector<std::pair<double, double>>& points, double t);

// Band-limited square (odd harmonics) and sawtooth at phase in cycles, up to maxHz.
double square(double phase, double freqHz, double maxHz);
double sawtooth(double phase, double freqHz, double maxHz);

// Removes any DC offset, scales to the given peak (of full scale), converts to 16-bit samples.
std::vector<std::int16_t> toPcm16(const std::vector<double>& raw, double peak);

}  // namespace korvane::synth
