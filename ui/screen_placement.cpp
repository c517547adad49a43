#include "ui/screen_placement.h"

#include <algorithm>

namespace korvane::ui {

QPoint centredTopLeft(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

}  // namespace korvane::ui
