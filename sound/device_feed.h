#pragma once

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "sound/sample_source.h"

namespace korvane {

// Fills an output device's buffers from a source in SDL's audio callback, and lets a thread
// wait until the device has played the sound out, without polling. The device starts playing
// with its first buffer, so the sound ends its own length after that; and the device asks for
// a buffer past the one that held the last sample only once it has played that far.
class DeviceFeed {
  public:
    using Clock = std::chrono::steady_clock;

    DeviceFeed(SampleSource& source, const SDL_AudioSpec& format);

    // The callback SDL calls with this feed as its user data.
    static void SDLCALL fill(void* feed, Uint8* buffer, int bytes);

    // Sleeps until the sound has been played out; false when the deadline came first.
    bool waitUntilPlayedOut(Clock::time_point deadline);

  private:
    void fillBuffer(Uint8* buffer, std::size_t bytes);

    SampleSource& source_;
    Uint8 silence_;
    double bytesPerSecond_;
    // Only the audio callback writes these; the waiter reads them once playedOut_ is set.
    Clock::time_point firstFill_;
    std::size_t bytesGiven_ = 0;
    bool lastSampleGiven_ = false;
    std::mutex mutex_;
    std::condition_variable playedOutChanged_;
    bool playedOut_ = false;
};

}  // namespace korvane
