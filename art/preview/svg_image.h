#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace korvane::art {

// The SVG at `path` drawn by Qt's SVG renderer over the whole of a transparent image of `size`.
QImage renderSvg(const QString& path, QSize size);

}  // namespace korvane::art
