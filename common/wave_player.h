#pragma once

#include <string>

namespace korvane {

// Plays a wave file named by its path, synchronously; the sound module supplies the real one.
class WavePlayer {
  public:
    virtual ~WavePlayer() = default;
    virtual void PlayWave(const std::string& path) = 0;
};

}  // namespace korvane
