#pragma once

#include <QLine>
#include <QRect>

#include "race/control.h"

namespace korvane::ui {

// Twips to device-independent pixels: 15 twips to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

int toPixels(int twips);
// A control's rectangle in pixels, relative to its container.
QRect pixelRect(const Rect& rect);
QLine pixelLine(const LinePoints& line);
// The pixels a control covers in its container; for a line, the box around its end points.
QRect pixelBounds(const Control& control);
// The same in the window's client area: moved by the place of each container it lies in.
QRect clientPixelBounds(const Control& control);

}  // namespace korvane::ui
