#pragma once

#include <QImage>
#include <QSvgRenderer>

namespace korvane::art {

// The picture at its natural size times the device pixel ratio, as the game draws it: shapes
// that run past the picture's edge end at the image's edge. The build renders the splash with
// this too, so its image is the one the game would render.
QImage renderPicture(QSvgRenderer& source, qreal ratio);

}  // namespace korvane::art
