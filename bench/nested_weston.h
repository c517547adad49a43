#pragma once

#include <X11/Xlib.h>

#include <string>

#include "bench/x_probe.h"

namespace korvane::bench {

// The game as a Wayland client of a weston nested in the X display (scripts/with-weston):
// the window read is weston's own X window, and the probe's origin is set to where the window
// titled TITLE shows its client area of WIDTH x HEIGHT pixels. 0 until that window shows.
Window findNestedWindow(XProbe& probe, const std::string& title, int width, int height);

}  // namespace korvane::bench
