#pragma once

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "sound/deadline_worker.h"
#include "sound/wave_output.h"

namespace korvane {

struct Playable;
class ServerPlayback;

// What the worker keeps from one sound to the next: whether sounds can play, whether SDL's
// audio runs, and the sound server's connection where sounds go straight to it.
struct AudioState {
    std::atomic<bool> started{false};
    bool sdlStarted = false;                 // only the worker touches it
    std::shared_ptr<ServerPlayback> server;  // only the worker touches it
};

// What a job on the audio worker found.
struct AudioJobResult {
    bool succeeded = false;
    std::string problem;
};

// Plays wave files through SDL's audio. The audio is started at the first call, not when
// the game starts; if it will not start, that call throws SoundError and the next one tries
// again. Each call opens its own output device and closes it once the last sample was heard;
// where SDL would run on PulseAudio, each sound goes straight to the server instead, and SDL's
// audio starts only if the server will not connect or cannot play a sound.
// Every call into SDL's audio runs on a worker that the game waits for only as long as the
// sound lasts plus a short allowance, so a sound server that stops answering cannot freeze the
// game: the sound is given up, and later ones stay silent until the server answers again.
class SdlWaveOutput : public WaveOutput {
  public:
    SdlWaveOutput();
    ~SdlWaveOutput() override;
    SdlWaveOutput(const SdlWaveOutput&) = delete;
    SdlWaveOutput& operator=(const SdlWaveOutput&) = delete;

    int playSync(const std::string& path) override;

  private:
    std::optional<AudioJobResult> ask(const std::function<void(std::promise<AudioJobResult>&)>& job,
                                      DeadlineWorker::Clock::time_point deadline,
                                      std::string& problem);
    DeadlineWorker::Clock::duration patience() const;
    DeadlineWorker::Clock::duration patienceAtTheEnd() const;
    bool startAudio(const std::string& path);
    bool play(const std::shared_ptr<Playable>& sound, const std::string& path);

    DeadlineWorker worker_;
    std::shared_ptr<AudioState> audio_;
    bool gaveUp_ = false;                           // the worker was last left stuck in a job
    DeadlineWorker::Clock::time_point lastAnswer_;  // when the worker last answered in time
};

}  // namespace korvane
