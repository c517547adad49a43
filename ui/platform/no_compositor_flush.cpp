#include "ui/timing/compositor_flush.h"

// Built without the Wayland files: Qt's X11 connection sends a repaint's frame itself.
namespace korvane::ui {

void flushToCompositor() {}

}  // namespace korvane::ui
