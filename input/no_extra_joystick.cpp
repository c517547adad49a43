#include "input/extra_joystick.h"

namespace korvane::input {

ExtraJoystick openExtraJoystick(std::function<void()> /*wake*/) {
    return {};
}

}  // namespace korvane::input
