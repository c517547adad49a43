#include "window_placement.h"

#include <QGuiApplication>
#include <algorithm>

namespace korvane::ui {

bool windowsPlaceThemselves() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint centredTopLeft(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

}  // namespace korvane::ui
