#pragma once

#include <string>

#include "race/judging.h"

namespace korvane {

// What one release left on the board once its handler was done: both times as the board shows
// them, both lamps' verdicts and the winner. `counted` is false where a full win counter
// stopped the release before it counted the win.
struct ReleaseOutcome {
    std::string playerTime;
    std::string computerTime;
    bool playerRed = false;
    bool computerRed = false;
    Winner winner = Winner::Player;
    bool counted = false;
};

}  // namespace korvane
