#pragma once

#include <vector>

#include "app/race_moments.h"
#include "race/race_record.h"

namespace korvane {

// The session's judged releases, oldest first; kept for this run of the program only.
class SlipLog {
  public:
    explicit SlipLog(const Main& main) : main_(main), seen_(winCounts(main)) {}

    // After a release's handler: adds its record when it counted a win; true when it did.
    bool released(Moment at, const RaceMoments& moments);
    const std::vector<RaceRecord>& runs() const { return runs_; }

  private:
    const Main& main_;
    WinCounts seen_;
    std::vector<RaceRecord> runs_;
};

}  // namespace korvane
