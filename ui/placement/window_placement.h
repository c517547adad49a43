#pragma once

#include <QPoint>
#include <QRect>

namespace korvane::ui {

// Whether the window system lets a window place itself: a Wayland compositor places every
// window and ignores where a client asks to go.
bool windowsPlaceThemselves();

// The top-left corner that centres a window's frame on the screen's available area, moved
// right and down where needed so that the corner itself is on that area: a window larger than
// the screen keeps its title bar and left part in reach.
QPoint centredTopLeft(const QRect& frame, const QRect& available);

// The frame of a window of size FRAME beside the race window's frame RACE, clear of its TREE
// where the screen has room (all on the screen): right of the race window, else left of it,
// else left of the tree, narrowed as far as MINIMUM_WIDTH. Then moved onto the available area
// and cut to its size, so that every part is in reach even if it covers some of the tree.
QRect besideTree(const QRect& race, const QRect& tree, const QRect& available, const QSize& frame,
                 int minimumWidth);

// The race window's frame and the slip's, where they go on showing the slip.
struct SlipPlacement {
    QRect race;
    QRect slip;
};
// Beside the race window without overlap wherever both fit side by side on the available area,
// the race window moved left as far as needed for the slip at its right; else besideTree.
SlipPlacement sideBySide(const QRect& race, const QRect& tree, const QRect& available,
                         const QSize& frame, int minimumWidth);

}  // namespace korvane::ui
