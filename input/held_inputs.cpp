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
    const Input key{device, Kind::Axis, axis};
    const double travel = travelFromRest(value, rest);
    return set(key, held_.contains(key) ? travel >= 1.0 / 3 : travel > 0.5);
}

Edge HeldInputs::hat(int device, int hat, bool centred) {
    return set({device, Kind::Hat, hat}, !centred);
}

std::vector<HeldInputs::Input> HeldInputs::unplug(int device) {
    std::vector<Input> up;
    for (const Input& input : held_) {
        if (std::get<0>(input) == device) up.push_back(input);
    }
    for (const Input& input : up) held_.erase(input);
    return up;
}

// Only a change of state is an edge: SDL may repeat a state, and an axis moves within one.
Edge HeldInputs::set(const Input& input, bool pressed) {
    if (pressed) return held_.insert(input).second ? Edge::Down : Edge::None;
    return held_.erase(input) > 0 ? Edge::Up : Edge::None;
}

}  // namespace korvane::input
