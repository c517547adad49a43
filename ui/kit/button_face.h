#pragma once

#include <QColor>
#include <QPainter>
#include <QStyleOptionButton>

namespace korvane::ui {

// A button's face in its own colour: a raised bevel in lighter and darker shades of the face,
// sunk while held down and edged in black while it has the focus, with the caption in black.
// Painted here rather than by a style sheet, whose parsing and polish would run on every press.
void paintButtonFace(QPainter& painter, const QStyleOptionButton& option, const QColor& face);

}  // namespace korvane::ui
