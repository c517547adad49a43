#pragma once

#include <QWidget>

#include "race/control.h"

namespace korvane::ui {

// Gives a control's widget the name and description a screen reader announces, from what the
// control stands for on the window. Qt names buttons, options and the check box from their
// captions; the text boxes and the roll-out bar would say nothing of their role.
void nameForAssistiveTools(const Control& control, QWidget& widget);

}  // namespace korvane::ui
