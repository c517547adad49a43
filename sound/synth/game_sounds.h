#pragma once

#include <cstdint>
#include <vector>

namespace korvane::synth {

inline constexpr int kSoundRate = 44100;

// The game's three sounds as mono 16-bit samples at kSoundRate; the same on every build.
std::vector<std::int16_t> firedUpSound();   // starter, the engine catching and a rev, ~1.5 s
std::vector<std::int16_t> launchSound();    // full-throttle roar with tyre noise, ~1 s
std::vector<std::int16_t> redLightSound();  // a harsh buzzer, ~0.8 s

}  // namespace korvane::synth
