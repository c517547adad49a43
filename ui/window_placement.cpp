#include "window_placement.h"

#include <QGuiApplication>

namespace korvane::ui {

bool windowsPlaceThemselves() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace korvane::ui
