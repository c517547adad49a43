#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>
#include <string>

#include "sound/sample_source.h"

namespace korvane {

// A sound ready for an output device: its format, its samples and how long it lasts.
struct Playable {
    SDL_AudioSpec format{};
    std::unique_ptr<SampleSource> samples;
    std::chrono::milliseconds length{0};
};

// The wave file, decoded as it plays; null, with the reason, when it cannot be read or decoded.
std::shared_ptr<Playable> openWave(const std::string& path, std::string& problem);

// The short chime played in place of a file that is not a valid wave.
std::shared_ptr<Playable> defaultChime();

}  // namespace korvane
