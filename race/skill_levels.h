#pragma once

#include <array>

namespace korvane {

// The computer's reaction window in milliseconds: its times fall above fastest and up to
// slowest (slowest itself only on a zero draw).
struct ReactionWindow {
    int fastest;
    int slowest;
};

// The Standard Tree's windows for skill levels 1 to 5 ([0] unused: levels count from 1). The
// Pro Tree takes a tenth of a second off both bounds.
inline constexpr std::array<ReactionWindow, 6> kLevelWindows{
    {{0, 0}, {492, 520}, {494, 516}, {496, 512}, {498, 508}, {500, 504}}};
inline constexpr int kProTreeLead = 100;  // ms

// The setup panel's captions of levels 1 to 5 ([0] unused).
inline constexpr std::array<const char*, 6> kLevelCaptions{
    "",       "Novice Powder Puff Trophy", "Novice Trophy",
    "Normal", "High Roller Race",          "Race of Champions"};

}  // namespace korvane
