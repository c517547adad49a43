#pragma once

#include <QFont>
#include <QString>

#include "race/control.h"

namespace korvane::ui {

// The installed family that draws a face the game names: the face itself where the system has
// it, else its stand-in ("Digital SF" -> "DSEG7 Classic", "MS Sans Serif" -> "Liberation Sans").
QString chooseFamily(const std::string& face);

// The QFont for a control's font; a font with no face is the window's font. Sizes are pixels
// at 96 dpi (px = pt * 96 / 72), so the screen's own dpi does not change them.
QFont chooseFont(const Font& font, const Font& windowFont);

// Any narrower and a caption becomes hard to read.
inline constexpr int kNarrowestCaption = 75;  // percent of the face's own width

// The font narrowed just enough for a one-line text to fit the width, at the same height, but
// never below `narrowest` percent. The stand-in faces run wider than the ones the window was
// laid out for.
QFont fitToWidth(QFont font, const QString& text, int width, int narrowest = kNarrowestCaption);

}  // namespace korvane::ui
