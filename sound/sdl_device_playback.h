#pragma once

#include <SDL.h>

namespace korvane {

// Opens an output device for these samples, plays them and returns once the last one has been
// played out, then closes the device. False when no device would open or playback stalled.
bool playOnNewDevice(const SDL_AudioSpec& format, const Uint8* data, Uint32 length);

}  // namespace korvane
