#pragma once

#include <stdexcept>

namespace korvane {

// An error on the way to playing a sound: the audio system would not start, or the file
// lookup failed for another reason than a missing file.
class SoundError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace korvane
