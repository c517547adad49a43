#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QSvgRenderer>
#include <map>
#include <memory>

#include "race/control.h"

namespace korvane::ui {

// The game's pictures from the compiled-in resources. Each is parsed when first drawn and
// rendered once for each device pixel ratio it meets; drawing blits that image. The splash
// comes rendered by the build for a ratio of 1.
class PictureBook {
  public:
    // Draws the picture at its natural size with its top-left corner at the given point.
    void draw(QPainter& painter, Picture picture, QPoint topLeft) const;

  private:
    struct Rendered {
        std::unique_ptr<QSvgRenderer> source;
        QPixmap image;  // at the ratio it carries; empty until first drawn
    };
    const QPixmap* imageFor(Picture picture, qreal ratio) const;

    mutable std::map<Picture, Rendered> rendered_;
};

}  // namespace korvane::ui
