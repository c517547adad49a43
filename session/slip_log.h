#pragma once

#include <vector>

#include "session/race_moments.h"
#include "session/race_record.h"

namespace korvane {

// The session's judged releases, oldest first; kept for this run of the program only.
class SlipLog {
  public:
    explicit SlipLog(const Main& main) : main_(main) {}

    // After a release's handler: adds its record when it counted a win; true when it did.
    bool released(const ReleaseOutcome& outcome, Moment at, const RaceMoments& moments);
    // The race's green onset came after its release (a compositor tells it a frame or two
    // late): the newest run takes it if it is that race's and was released after the hand-over
    // (a tap during the staging walk has no green, whatever the tree does later); true when it did.
    bool greenShownLate(std::uint64_t race, const RaceMoments& moments);
    const std::vector<RaceRecord>& runs() const { return runs_; }

  private:
    const Main& main_;
    std::uint64_t newestRace_ = 0;
    std::vector<RaceRecord> runs_;
};

}  // namespace korvane
