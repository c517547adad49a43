#include "input/held_inputs.h"

#include <cstdlib>

namespace korvane::input {

namespace {

constexpr int kAxisMin = -32768;
constexpr int kAxisMax = 32767;

}  // namespace

double travelFromRest(int value, int rest) {
    const int room = value >= rest ? kAxisMax - rest : rest - kAxisMin;
    return room <= 0 ? 0.0 : static_cast<double>(std::abs(value - rest)) / room;
}

Edge HeldInputs::button(int device, int button, bool pressed) {
    return set({device, Kind::Button, button}, pressed);
}

Edge HeldInputs::axis(int device, int axis, int value, int rest) {
    const Key key{device, Kind::Axis, axis};
    const double travel = travelFromRest(value, rest);
    return set(key, held_.contains(key) ? travel >= 1.0 / 3 : travel > 0.5);
}

Edge HeldInputs::hat(int device, int hat, bool centred) {
    return set({device, Kind::Hat, hat}, !centred);
}

int HeldInputs::unplug(int device) {
    return static_cast<int>(
        std::erase_if(held_, [device](const Key& key) { return std::get<0>(key) == device; }));
}

// Only a change of state is an edge: SDL may repeat a state, and an axis moves within one.
Edge HeldInputs::set(const Key& key, bool pressed) {
    if (pressed) return held_.insert(key).second ? Edge::Down : Edge::None;
    return held_.erase(key) > 0 ? Edge::Up : Edge::None;
}

}  // namespace korvane::input
