#pragma once

#include <QWidget>

#include "race/control.h"

namespace korvane::ui {

// Makes the widget of a text box, option button, check box or scroll bar at the control's
// place in the parent, and writes what the player does to it back into the control at once.
// Buttons and frames have handlers or contents of their own and are made by the window.
QWidget* makeInputWidget(Control& control, QWidget* parent);

// Places a widget at its control's rectangle with the control's font.
void placeWidget(const Control& control, QWidget& widget, const Font& windowFont);

}  // namespace korvane::ui
