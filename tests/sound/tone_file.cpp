#include "tone_file.h"

#include <cmath>
#include <numbers>

#include "sound/synth/wave_writer.h"

namespace korvane::testing {

std::vector<std::int16_t> toneSamples(int ms, int rate) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(rate) * ms / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        samples[i] = static_cast<std::int16_t>(
            std::lround(16000 * std::sin(2 * std::numbers::pi * 440 * t)));
    }
    return samples;
}

std::string writeTone(const TempFolder& folder, const std::string& name, int ms, int rate) {
    return folder.write(name, waveFileBytes(toneSamples(ms, rate), rate));
}

}  // namespace korvane::testing
