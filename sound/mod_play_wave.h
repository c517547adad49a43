#pragma once

#include <string>

#include "common/message_boxes.h"
#include "common/wave_player.h"
#include "sound/wave_output.h"

namespace korvane {

// All the game's sound goes through PlayWave: it checks the path, then plays the file once
// and returns when it has ended. A failed check is silent; an error on the way shows
// "no sound came out!" and PlayWave returns normally. Keeps no state between calls.
class modPlayWave : public WavePlayer {
  public:
    modPlayWave(WaveOutput& output, MessageBoxes& messages)
        : output_(output), messages_(messages) {}

    void PlayWave(const std::string& path) override;

  private:
    void playChecked(const std::string& path);

    WaveOutput& output_;
    MessageBoxes& messages_;
};

}  // namespace korvane
