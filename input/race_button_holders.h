#pragma once

#include <set>

#include "input/held_inputs.h"

namespace korvane::input {

// Who holds the race button besides the mouse: the race key and the controllers' inputs. The
// first to go down stages and the last to come up launches; the others change nothing, so a
// second input never stages a second race.
class RaceButtonHolders {
  public:
    // The race key, beside the controllers' inputs.
    static constexpr HeldInputs::Input kRaceKey{-1, HeldInputs::Kind::Button, 0};

    Edge change(const HeldInputs::Input& holder, bool down);
    bool any() const { return !held_.empty(); }

  private:
    std::set<HeldInputs::Input> held_;
};

}  // namespace korvane::input
