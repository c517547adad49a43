#pragma once

#include <string>

namespace korvane::input {

// One input of one controller, known again when the controller comes back.
struct ChosenInput {
    std::string guid;
    int kind = 0;  // a HeldInputs::Kind
    int index = 0;
    friend bool operator==(const ChosenInput&, const ChosenInput&) = default;
};

}  // namespace korvane::input
