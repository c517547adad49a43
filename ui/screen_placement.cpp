#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace korvane::ui {

QPoint centredTopLeft(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

void centreOnItsScreen(QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window.move(centredTopLeft(window.frameGeometry(), screen->availableGeometry()));
}

}  // namespace korvane::ui
