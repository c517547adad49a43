#pragma once

#include <QImage>
#include <QString>

namespace korvane::ui {

// The picture at PATH as the build rendered it, when the build rendered it at this device pixel
// ratio; a null image otherwise.
QImage renderedAtTheBuild(const char* path, qreal ratio);

// A PNG the build rendered, read by Qt's own PNG reader: told the format, Qt loads no image
// plugin to ask whether one reads it.
QImage builtPng(const QString& path);

}  // namespace korvane::ui
