#pragma once

namespace korvane::ui {

// Whether the window system lets a window place itself: a Wayland compositor places every
// window and ignores where a client asks to go.
bool windowsPlaceThemselves();

}  // namespace korvane::ui
