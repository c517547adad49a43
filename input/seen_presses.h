#pragma once

#include <optional>
#include <set>

#include "common/moment.h"
#include "input/held_inputs.h"

namespace korvane::input {

// The controller inputs whose press the race window saw. A press counts only when it came while
// the window was on screen, and a release only when its press counted, so an input held through
// the splash lets go unseen however late its press is delivered.
class SeenPresses {
  public:
    // True when the press reaches the window, on screen since SHOWN (none: not shown yet).
    bool down(const HeldInputs::Input& input, Moment at, std::optional<Moment> shown);
    // True when the release reaches the window: its press did.
    bool up(const HeldInputs::Input& input) { return seen_.erase(input) > 0; }

  private:
    std::set<HeldInputs::Input> seen_;
};

}  // namespace korvane::input
