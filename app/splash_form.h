#pragma once

#include "common/timer.h"

namespace korvane {

// The start-up window: one picture in a plain frame and the timer that hands over to the race
// window. It has no title bar, takes no input and is never shown again once unloaded.
class SplashForm {
  public:
    static constexpr int kClientWidth = 6840;   // twips: 456 pixels
    static constexpr int kClientHeight = 3480;  // twips: 232 pixels
    static constexpr int kPictureWidth = 455;   // pixels; the last column shows the window colour
    static constexpr int kPictureHeight = 232;

    // Its first tick hands over to the race window.
    Timer handOver{"Timer1", 5};
};

}  // namespace korvane
