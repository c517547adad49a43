#pragma once

#include "common/wave_player.h"

namespace korvane::ui {

// Plays nothing and returns at once: the game's sound output is not built yet.
class SilentWavePlayer : public WavePlayer {
  public:
    void PlayWave(const std::string&) override {}
};

}  // namespace korvane::ui
