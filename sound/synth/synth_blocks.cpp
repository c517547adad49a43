#include "sound/synth/synth_blocks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane::synth {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
}  // namespace

double Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double LowPass::step(double x, double cutoffHz, int rate) {
    const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / rate);
    y_ += a * (x - y_);
    return y_;
}

double BandPass::step(double x, double centreHz, double q, int rate) {
    const double w = kTwoPi * centreHz / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double y = (alpha * x - alpha * x2_ + 2 * std::cos(w) * y1_ - (1 - alpha) * y2_) / a0;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double fadeInOut(double t, double length, double attack, double release) {
    const double in = attack > 0 ? std::clamp(t / attack, 0.0, 1.0) : 1.0;
    const double out = release > 0 ? std::clamp((length - t) / release, 0.0, 1.0) : 1.0;
    return in * out;
}

double curve(const std::vector<std::pair<double, double>>& points, double t) {
    if (t <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto [t1, v1] = points[i];
        if (t <= t1) {
            const auto [t0, v0] = points[i - 1];
            return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
        }
    }
    return points.back().second;
}

double square(double phase, double freqHz, double maxHz) {
    double sum = 0;
    for (int h = 1; h * freqHz < maxHz; h += 2) sum += std::sin(kTwoPi * h * phase) / h;
    return sum * 4 / std::numbers::pi;
}

double sawtooth(double phase, double freqHz, double maxHz) {
    double sum = 0;
    for (int h = 1; h * freqHz < maxHz; ++h) sum += std::sin(kTwoPi * h * phase) / h;
    return sum * 2 / std::numbers::pi;
}

namespace {

// Removes any steady offset that lopsided clipping left, which would only waste headroom.
std::vector<double> withoutOffset(const std::vector<double>& signal) {
    std::vector<double> out(signal.size());
    double previousIn = 0;
    double previousOut = 0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        previousOut = signal[i] - previousIn + 0.998 * previousOut;
        previousIn = signal[i];
        out[i] = previousOut;
    }
    return out;
}

}  // namespace

std::vector<std::int16_t> toPcm16(const std::vector<double>& raw, double peak) {
    const std::vector<double> signal = withoutOffset(raw);
    double loudest = 1e-9;
    for (double s : signal) loudest = std::max(loudest, std::abs(s));
    std::vector<std::int16_t> pcm(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        pcm[i] = static_cast<std::int16_t>(std::lround(signal[i] / loudest * peak * 32767));
    }
    return pcm;
}

}  // namespace korvane::synth
