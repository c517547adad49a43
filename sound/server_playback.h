#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>

#include "sound/sample_source.h"
#include "sound/sdl_device_playback.h"

namespace korvane {

// Plays sounds on the sound server through its own client library, past SDL's audio thread
// (which wakes with every 10 to 20 ms request the server makes). The connection stays open
// from one sound to the next.
class ServerPlayback {
  public:
    using Clock = std::chrono::steady_clock;

    virtual ~ServerPlayback() = default;
    // Plays the source to its end and answers like playOnNewDevice. False, without answering,
    // when the server cannot take this format or is no longer there: the caller then opens an
    // SDL device instead. A server that stops answering keeps the call until it answers again.
    virtual bool play(const SDL_AudioSpec& format, SampleSource& source, Clock::time_point deadline,
                      const PlaybackAnswer& answer) = 0;
};

// A connection to the server of the SDL audio driver named, where that is PulseAudio (or
// PipeWire's stand-in for it) and this build can speak to it; null otherwise, or when it would
// not connect by the deadline.
std::shared_ptr<ServerPlayback> connectToSoundServer(const char* sdlDriver,
                                                     ServerPlayback::Clock::time_point deadline);

}  // namespace korvane
