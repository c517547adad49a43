#include "ui/placement/window_placement.h"

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

namespace {

constexpr int kGap = 8;

QRect sideOfTree(const QRect& race, const QRect& tree, const QRect& available, const QSize& frame,
                 int minimumWidth) {
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

// Cut to the available area's size and moved onto it, so that every edge is in reach.
QRect onto(QRect frame, const QRect& available) {
    frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

}  // namespace

QRect besideTree(const QRect& race, const QRect& tree, const QRect& available, const QSize& frame,
                 int minimumWidth) {
    return onto(sideOfTree(race, tree, available, frame, minimumWidth), available);
}

SlipPlacement sideBySide(const QRect& race, const QRect& tree, const QRect& available,
                         const QSize& frame, int minimumWidth) {
    const bool right = race.right() + kGap + frame.width() <= available.right();
    const bool left = race.left() - kGap - frame.width() >= available.left();
    if (right || left || race.width() + kGap + frame.width() > available.width()) {
        return {race, besideTree(race, tree, available, frame, minimumWidth)};
    }
    QRect moved = race;
    moved.moveRight(available.right() - kGap - frame.width());
    const QRect movedTree = tree.translated(moved.left() - race.left(), 0);
    return {moved, besideTree(moved, movedTree, available, frame, minimumWidth)};
}

}  // namespace korvane::ui
