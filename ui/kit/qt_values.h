#pragma once

#include <QColor>
#include <Qt>
#include <optional>

#include "common/colour.h"
#include "race/control.h"

// The game's own values as Qt's: colours and alignments.

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

// A control's alignment as Qt's, with the text at the top of its box, as the game draws it:
// the board's winner flags cover the bottom strip of the time displays, and a centred time
// would run into them.
Qt::Alignment toQtAlignment(Alignment alignment);

}  // namespace korvane::ui
