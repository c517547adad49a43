#pragma once

#include <string>

#include "sound/wave_output.h"

namespace korvane {

// Plays wave files through SDL's audio. SDL's audio is started at the first call, not when
// the game starts; if it will not start, that call throws SoundError and the next one tries
// again. Each call opens its own output device and closes it once the last sample was heard.
class SdlWaveOutput : public WaveOutput {
  public:
    SdlWaveOutput() = default;
    ~SdlWaveOutput() override;
    SdlWaveOutput(const SdlWaveOutput&) = delete;
    SdlWaveOutput& operator=(const SdlWaveOutput&) = delete;

    int playSync(const std::string& path) override;

  private:
    void startAudio();

    bool started_ = false;
};

}  // namespace korvane
