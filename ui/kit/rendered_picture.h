#pragma once

#include <QImage>

namespace korvane::ui {

// The picture at PATH as the build rendered it, when the build rendered it at this device pixel
// ratio; a null image otherwise.
QImage renderedAtTheBuild(const char* path, qreal ratio);

}  // namespace korvane::ui
