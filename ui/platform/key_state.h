#pragma once

#include <QtGlobal>

namespace korvane::ui {

// Whether the key with this native scan code is down now, as the window system tells; false
// where it cannot tell. X11's auto-repeat sends a release while the key stays down.
bool keyHeldDown(quint32 nativeScanCode);

}  // namespace korvane::ui
