#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace korvane::art {

// The SVG at `path` drawn by Qt's SVG renderer over the whole of a transparent image of `size`.
QImage renderSvg(const QString& path, QSize size);

// The SVG at `path` at its own size, as the game's windows draw it at 1x: premultiplied, over
// transparency, shapes past the edge cut off. Null when the SVG does not load.
QImage renderAtOwnSize(const QString& path);

}  // namespace korvane::art
