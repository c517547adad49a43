#pragma once

#include <string>

namespace korvane {

// The game's sound output: plays one wave file synchronously, like the old multimedia call it
// stands in for. Returns non-zero when the file played, 0 when it did not (no usable output
// device, or not a valid wave: then a short default tone is played instead where possible).
// Throws SoundError when the audio system cannot be started at all; the next call retries.
class WaveOutput {
  public:
    virtual ~WaveOutput() = default;
    virtual int playSync(const std::string& path) = 0;
};

}  // namespace korvane
