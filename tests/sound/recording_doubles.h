#pragma once

#include <string>
#include <vector>

#include "sound/sound_error.h"
#include "sound/wave_output.h"
#include "tests/support/recording_message_boxes.h"

namespace korvane::testing {

// An output layer that records what it was asked to play instead of playing it.
class RecordingOutput : public WaveOutput {
  public:
    int playSync(const std::string& path) override {
        asked.push_back(path);
        if (failuresToThrow > 0) {
            --failuresToThrow;
            throw SoundError("audio would not start");
        }
        return result;
    }

    std::vector<std::string> asked;
    int result = 1;
    int failuresToThrow = 0;
};

}  // namespace korvane::testing
