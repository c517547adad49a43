#pragma once

#include <Qt>

#include "race/control.h"

namespace korvane::ui {

// A control's alignment as Qt's, with the text at the top of its box, as the game draws it:
// the board's winner flags cover the bottom strip of the time displays, and a centred time
// would run into them.
Qt::Alignment toQtAlignment(Alignment alignment);

}  // namespace korvane::ui
