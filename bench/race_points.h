#pragma once

#include "race/control.h"

namespace korvane::bench {

struct Point {
    int x;
    int y;
};

// Where a control sits in the race window's client area, in pixels (15 twips to a pixel),
// counting the frames that hold it.
Point topLeftOf(const Control& control);
Point centreOf(const Control& control);

// Colours as X reads them, 0xRRGGBB.
inline constexpr long kLitAmber = 0xFFFF00;
inline constexpr long kLitRed = 0xFF0000;
inline constexpr long kLitGreen = 0x00FF00;
inline constexpr long kDarkGreen = 0x00C000;

}  // namespace korvane::bench
