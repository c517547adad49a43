#pragma once

#include <SDL.h>

#include <chrono>
#include <functional>
#include <string>

#include "sound/sample_source.h"

namespace korvane {

// Told once whether the sound played out (or why not), before the device closes.
using PlaybackAnswer = std::function<void(bool played, const std::string& problem)>;

// Opens an output device for samples of this format, plays the source to its end and closes
// the device again. Answers once the device has played out every sample, or when no device
// would open, or when the deadline passed first; closing the device comes after the answer.
void playOnNewDevice(const SDL_AudioSpec& format, SampleSource& source,
                     std::chrono::steady_clock::time_point deadline, const PlaybackAnswer& answer);

}  // namespace korvane
