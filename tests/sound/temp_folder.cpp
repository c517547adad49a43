#include "temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>

#include "sound/synth/wave_writer.h"

namespace korvane::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::path(::testing::TempDir()) / "korvane-sound-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(path_, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_symlink()) fs::permissions(it->path(), fs::perms::owner_all, error);
    }
    fs::remove_all(path_, error);
}

std::string TempFolder::write(const std::string& name,
                              const std::vector<unsigned char>& bytes) const {
    const std::string file = *this / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + file);
    return file;
}

std::string TempFolder::writeText(const std::string& name, const std::string& text) const {
    return write(name, std::vector<unsigned char>(text.begin(), text.end()));
}

std::string TempFolder::writeTone(const std::string& name, int ms, int rate) const {
    return write(name, waveFileBytes(toneSamples(ms, rate), rate));
}

std::vector<std::int16_t> toneSamples(int ms, int rate) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(rate) * ms / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        samples[i] = static_cast<std::int16_t>(
            std::lround(16000 * std::sin(2 * std::numbers::pi * 440 * t)));
    }
    return samples;
}

}  // namespace korvane::testing
