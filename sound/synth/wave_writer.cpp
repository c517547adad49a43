#include "sound/synth/wave_writer.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

namespace korvane {

namespace {

void putLE(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putTag(std::vector<unsigned char>& out, std::string_view tag) {
    for (char c : tag) out.push_back(static_cast<unsigned char>(c));
}

}  // namespace

std::vector<unsigned char> waveFileBytes(const std::vector<std::int16_t>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putLE(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLE(out, 16, 4);                                    // chunk size
    putLE(out, 1, 2);                                     // PCM
    putLE(out, 1, 2);                                     // mono
    putLE(out, static_cast<std::uint32_t>(rate), 4);      // frames per second
    putLE(out, static_cast<std::uint32_t>(rate) * 2, 4);  // bytes per second
    putLE(out, 2, 2);                                     // bytes per frame
    putLE(out, 16, 2);                                    // bits per sample
    putTag(out, "data");
    putLE(out, dataBytes, 4);
    for (std::int16_t s : samples) putLE(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

void writeWaveFile(const std::string& path, const std::vector<std::int16_t>& samples, int rate) {
    const std::vector<unsigned char> bytes = waveFileBytes(samples, rate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace korvane
