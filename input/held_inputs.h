#pragma once

#include <set>
#include <tuple>
#include <vector>

namespace korvane::input {

// What one controller event did to the race button.
enum class Edge { None, Down, Up };

// Which of a controller's buttons, axes and hats are held. Each is a race button of its own, as
// each mouse button is: one going down is a press, one coming up a release.
class HeldInputs {
  public:
    enum class Kind { Button, Axis, Hat };
    // One input of one controller: its device, kind and index.
    using Input = std::tuple<int, Kind, int>;

    Edge button(int device, int button, bool pressed);
    // An axis (pedal, trigger or stick) is down past half its travel from rest and stays down
    // until it falls back below a third, so a shaking foot does not chatter.
    Edge axis(int device, int axis, int value, int rest);
    Edge hat(int device, int hat, bool centred);
    // A controller pulled out lets go of everything it held: the inputs that came up.
    std::vector<Input> unplug(int device);
    int held() const { return static_cast<int>(held_.size()); }

  private:
    Edge set(const Input& input, bool pressed);

    std::set<Input> held_;
};

// How far an axis has gone from rest towards the end it moves to, from 0 to 1.
double travelFromRest(int value, int rest);

}  // namespace korvane::input
