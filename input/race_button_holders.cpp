#include "input/race_button_holders.h"

namespace korvane::input {

Edge RaceButtonHolders::change(const HeldInputs::Input& holder, bool down) {
    if (down) return held_.insert(holder).second && held_.size() == 1 ? Edge::Down : Edge::None;
    return held_.erase(holder) > 0 && held_.empty() ? Edge::Up : Edge::None;
}

}  // namespace korvane::input
