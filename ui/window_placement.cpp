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

QRect besideTree(const QRect& race, const QRect& tree, const QRect& available, const QSize& frame,
                 int minimumWidth) {
    constexpr int kGap = 8;
    if (race.right() + kGap + frame.width() <= available.right()) {
        return {QPoint(race.right() + 1 + kGap, race.top()), frame};
    }
    if (race.left() - kGap - frame.width() >= available.left()) {
        return {QPoint(race.left() - kGap - frame.width(), race.top()), frame};
    }
    const int width =
        std::clamp(tree.left() - kGap - available.left(), minimumWidth, frame.width());
    return {QPoint(tree.left() - kGap - width, race.top()), QSize(width, frame.height())};
}

}  // namespace korvane::ui
