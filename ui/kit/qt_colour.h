#pragma once

#include <QColor>
#include <optional>

#include "common/colour.h"

namespace korvane::ui {

// A game colour (0x00BBGGRR) as a QColor.
QColor toQColor(Colour colour);

// The desktop's colours that stand in where a control gives none.
QColor buttonFaceColour();
QColor windowTextColour();

// A control's background: its own colour, else the button face.
QColor backOrFace(const std::optional<Colour>& colour);
// A control's text or outline: its own colour, else the window text colour.
QColor foreOrText(const std::optional<Colour>& colour);

}  // namespace korvane::ui
