#pragma once

#include <QtGui/qwindowdefs.h>
#include <QByteArray>

namespace korvane::ui {

// The window that a native event says another client destroyed; 0 for any other event, and
// always where the window system tells no such thing (X11's DestroyNotify is the one known).
WId destroyedWindow(const QByteArray& eventType, const void* message);

}  // namespace korvane::ui
