#pragma once

#include <QWidget>

#include "race/control.h"

namespace korvane::ui {

// Copies a control's state from the model onto its widget: visibility, text or caption,
// colours, checked state, scroll value. Only what differs is touched, so an unchanged text box
// keeps its cursor and selection.
void mirrorOnto(const Control& control, QWidget& widget);

}  // namespace korvane::ui
