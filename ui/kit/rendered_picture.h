#pragma once

#include <QImage>
#include <QString>

namespace korvane::ui {

// The picture at PATH as the build rendered it, when the build rendered it at this device pixel
// ratio; a null image otherwise.
QImage renderedAtTheBuild(const char* path, qreal ratio);

// Gives back the memory of the splash's stored pixels once no window shows them; they are read
// from the program's file again if the splash is shown again.
void releaseSplashPixels();

// A PNG the build rendered, read by Qt's own PNG reader: told the format, Qt loads no image
// plugin to ask whether one reads it. The memory of its stored bytes is given back once read.
QImage builtPng(const QString& path);

}  // namespace korvane::ui
