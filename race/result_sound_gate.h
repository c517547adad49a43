#pragma once

#include <string>

#include "common/wave_player.h"

namespace korvane {

// Passes every sound on, except that while the results are hidden the launch and red-light
// sounds are dropped: they would tell the result.
class ResultSoundGate : public WavePlayer {
  public:
    explicit ResultSoundGate(WavePlayer& sounds) : sounds_(sounds) {}
    void setResultsHidden(bool hidden) { hidden_ = hidden; }
    void PlayWave(const std::string& path) override;

  private:
    WavePlayer& sounds_;
    bool hidden_ = false;
};

}  // namespace korvane
