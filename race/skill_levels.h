#pragma once

#include <array>

namespace korvane {

// The computer's reaction window on the Standard Tree, in ms: its times fall between the
// fastest and the slowest bound.
struct ReactionWindow {
    int fastest;
    int slowest;
};

// Indexed by skill level, 1 (Novice Powder Puff Trophy) to 5 (Race of Champions), as the
// Level options count; [0] is unused.
inline constexpr std::array<ReactionWindow, 6> kLevelWindows{
    {{0, 0}, {492, 520}, {494, 516}, {496, 512}, {498, 508}, {500, 504}}};

}  // namespace korvane
