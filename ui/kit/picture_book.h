#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <map>

#include "race/control.h"

namespace korvane::ui {

// The game's pictures from the compiled-in resources. At 1x each comes rendered by the build;
// otherwise it is parsed and rendered when first drawn, once for each device pixel ratio it
// meets, and only the image is kept; drawing blits it.
class PictureBook {
  public:
    // Draws the picture at its natural size with its top-left corner at the given point.
    void draw(QPainter& painter, Picture picture, QPoint topLeft) const;
    // Makes the picture's image for the painter's device now, so a later draw only blits it.
    void prepare(const QPainter& painter, Picture picture) const;

  private:
    struct Rendered {
        QPixmap image;         // at the ratio it carries; empty until first drawn
        bool missing = false;  // no such picture, or one that does not parse: never tried again
    };
    const QPixmap* imageFor(Picture picture, qreal ratio) const;

    mutable std::map<Picture, Rendered> rendered_;
};

}  // namespace korvane::ui
