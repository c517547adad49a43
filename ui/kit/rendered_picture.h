#pragma once

#include <QImage>

#include "race/control.h"

namespace korvane::ui {

// The picture as the build rendered it, when the build rendered it at this device pixel ratio;
// a null image otherwise.
QImage renderedAtTheBuild(Picture picture, qreal ratio);

}  // namespace korvane::ui
