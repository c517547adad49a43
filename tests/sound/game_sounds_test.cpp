#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "sound/sound_folder.h"
#include "sound/synth/game_sounds.h"
#include "sound/synth/wave_writer.h"
#include "sound_file.h"

namespace korvane::testing {
namespace {

struct GameSound {
    std::string_view name;
    std::vector<std::int16_t> (*make)();
    double seconds;
};

const GameSound kSounds[] = {{kFiredUpWave, &synth::firedUpSound, 1.5},
                             {kLaunchWave, &synth::launchSound, 1.0},
                             {kRedLightWave, &synth::redLightSound, 0.8}};

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

TEST(GameSounds, AreTheSameOnEveryRun) {
    for (const GameSound& sound : kSounds) EXPECT_EQ(sound.make(), sound.make()) << sound.name;
}

}  // namespace
}  // namespace korvane::testing
