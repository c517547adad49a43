#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "sound/sound_folder.h"
#include "sound/synth/game_sounds.h"
#include "sound/synth/wave_writer.h"
#include "tests/support/own_folder.h"

namespace korvane::testing {
namespace {

struct GameSound {
    std::string_view name;
    std::vector<std::int16_t> (*make)();
    double seconds;
    std::uint64_t checksum;  // FNV-1a of the samples' little-endian bytes
};

// A change to the synthesiser, the compiler or its flags that alters one sample shows here; when
// the change to a sound is meant, take its new checksum from the failure.
const GameSound kSounds[] = {{kFiredUpWave, &synth::firedUpSound, 1.5, 0x8ec8579ac10fca5c},
                             {kLaunchWave, &synth::launchSound, 1.0, 0xd3b095efa4535fc9},
                             {kRedLightWave, &synth::redLightSound, 0.8, 0x20cdfb37724a3fdd}};

std::uint64_t fnv1a(const std::vector<std::int16_t>& samples) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (std::int16_t sample : samples) {
        const auto bits = static_cast<std::uint16_t>(sample);
        for (int byte : {bits & 0xff, bits >> 8}) {
            hash ^= static_cast<std::uint64_t>(byte);
            hash *= 0x100000001b3;
        }
    }
    return hash;
}

std::string soundFile(std::string_view name) {
    return soundFolder(ownFolder()) + "/" + std::string(name);
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GameSounds, TheBuildPutsTheGeneratorsThreeWavesInTheSoundFolder) {
    for (const GameSound& sound : kSounds) {
        const std::string path = soundFile(sound.name);
        EXPECT_EQ(fileBytes(path), waveFileBytes(sound.make(), synth::kSoundRate)) << path;
    }
}

TEST(GameSounds, EachIsA16BitMonoWaveOfItsLengthThatSDLDecodes) {
    for (const GameSound& sound : kSounds) {
        SDL_AudioSpec spec{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(soundFile(sound.name).c_str(), &spec, &data, &length), nullptr)
            << sound.name << ": " << SDL_GetError();
        SDL_FreeWAV(data);
        EXPECT_EQ(spec.format, AUDIO_S16LSB) << sound.name;
        EXPECT_EQ(spec.channels, 1) << sound.name;
        EXPECT_TRUE(spec.freq == 22050 || spec.freq == 44100) << sound.name;
        EXPECT_NEAR(static_cast<double>(length) / 2 / spec.freq, sound.seconds, 0.05) << sound.name;
    }
}

TEST(GameSounds, EachIsLoudWithoutClippingAndStartsAndEndsWithoutAClick) {
    for (const GameSound& sound : kSounds) {
        const std::vector<std::int16_t> samples = sound.make();
        double sumSquares = 0;
        int peak = 0;
        for (std::int16_t s : samples) {
            sumSquares += static_cast<double>(s) * s;
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        const double rms = std::sqrt(sumSquares / static_cast<double>(samples.size())) / 32768;
        EXPECT_GT(rms, 0.15) << sound.name;
        EXPECT_LT(peak, 32000) << sound.name;
        EXPECT_LT(std::abs(samples.front()), 1000) << sound.name;
        EXPECT_LT(std::abs(samples.back()), 1000) << sound.name;
    }
}

TEST(GameSounds, AreTheSameOnEveryBuild) {
    for (const GameSound& sound : kSounds) {
        EXPECT_EQ(fnv1a(sound.make()), sound.checksum) << sound.name << std::hex;
    }
}

}  // namespace
}  // namespace korvane::testing
