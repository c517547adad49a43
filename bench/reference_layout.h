#pragma once

namespace korvane::bench::reference {

// Where bench/reference_window paints what the screen benches read, in pixels of its client
// area; it is small, so that it fits on the screen beside the race window without covering it.
struct Box {
    int x;
    int y;
    int width;
    int height;
};

inline constexpr const char* kTitle = "Bare reference window";
inline constexpr int kWidth = 200;
inline constexpr int kHeight = 110;
inline constexpr Box kButton{100, 60, 90, 40};
inline constexpr Box kRedLamp{10, 60, 25, 25};
// The first two stand for the lanes' first ambers on the Standard Tree; all six for the Pro Tree.
inline constexpr Box kAmbers[] = {{10, 10, 25, 25},  {40, 10, 25, 25},  {70, 10, 25, 25},
                                  {100, 10, 25, 25}, {130, 10, 25, 25}, {160, 10, 25, 25}};

// The walk before the ambers: three steps of 800 ms, then one lamp period (500 ms on the
// Standard Tree, 400 on the Pro Tree), as the race's timers count them.
inline constexpr int kWalkStepMs = 800;
inline constexpr int kWalkSteps = 3;
inline constexpr int kStandardLampMs = 500;
inline constexpr int kProLampMs = 400;

}  // namespace korvane::bench::reference
