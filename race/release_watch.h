#pragma once

#include "race/release_outcome.h"

namespace korvane {

// Hears of each counted release the moment the board shows it, before its sound plays, so what
// keeps the run never waits for the sound.
class ReleaseWatch {
  public:
    virtual ~ReleaseWatch() = default;
    virtual void judged(const ReleaseOutcome& outcome) = 0;
};

}  // namespace korvane
