#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace korvane::testing {

// A private PulseAudio server with one silent output, the null sink "korvane", whose monitor
// can be recorded. Runs as root too: it gets its own home, runtime and state folders and an
// anonymous socket, and it is always stopped again (also when this process dies).
class PulseNullSink {
  public:
    // pulseaudio, pactl and parecord are all there.
    static bool installed();

    // Starts the server and waits until it answers; throws std::runtime_error when it will not.
    PulseNullSink();
    ~PulseNullSink();
    PulseNullSink(const PulseNullSink&) = delete;
    PulseNullSink& operator=(const PulseNullSink&) = delete;

    // Sends this process's SDL audio to the sink (SDL reads these when its audio starts).
    void routeSdlAudioHere() const;
    // What a client program needs to reach the server.
    ChildProcess::Environment clientEnvironment() const;
    const std::string& folder() const { return folder_; }

  private:
    void waitUntilAnswering();

    std::string folder_;
    std::unique_ptr<ChildProcess> daemon_;
};

// Records the null sink's monitor as mono 16-bit samples at 44100 Hz from construction to stop().
class MonitorRecording {
  public:
    static constexpr int kRate = 44100;

    explicit MonitorRecording(const PulseNullSink& sink);
    // Ends the recording and returns everything that reached the monitor.
    std::vector<std::int16_t> stop();

  private:
    void waitUntilSamplesArrive();

    std::string file_;
    std::unique_ptr<ChildProcess> recorder_;
};

// Milliseconds of audible sound in a recording: 10 ms windows whose level is above a whisper.
int audibleMs(const std::vector<std::int16_t>& samples, int rate);
// Milliseconds from the first audible window to the end of the last; more than audibleMs when
// the sound broke up.
int audibleSpanMs(const std::vector<std::int16_t>& samples, int rate);

}  // namespace korvane::testing
