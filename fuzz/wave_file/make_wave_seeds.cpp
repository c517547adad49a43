// Writes the seed inputs of the wave file fuzzer into a folder: a short valid wave and the kinds
// of damaged file the sound tests make (the game's own sounds are copied beside them).
//   make_wave_seeds FOLDER
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "sound/synth/wave_writer.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes tone() {
    std::vector<std::int16_t> samples(441);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(16000 * std::sin(2 * std::numbers::pi * i / 50.0));
    }
    return korvane::waveFileBytes(samples, 22050);
}

Bytes withLE32(Bytes bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    return bytes;
}

void write(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    const Bytes valid = tone();
    const std::string text = "not a sound at all\n";
    write(folder / "tone", valid);
    write(folder / "empty", {});
    write(folder / "text", Bytes(text.begin(), text.end()));
    write(folder / "header-cut", Bytes(valid.begin(), valid.begin() + 30));
    write(folder / "data-cut", Bytes(valid.begin(), valid.begin() + 44 + 300));
    write(folder / "data-claim", withLE32(valid, 40, 0xFFFFFF00u));
    write(folder / "riff-claim", withLE32(withLE32(valid, 40, 0xFFFFFF00u), 4, 0xFFFFFFF0u));
    write(folder / "no-riff", Bytes(valid.begin() + 8, valid.end()));
    return 0;
}
