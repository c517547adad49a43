#pragma once

#include <QPainter>
#include <QPoint>
#include <QSvgRenderer>
#include <map>
#include <memory>

#include "race/control.h"

namespace korvane::ui {

// The game's pictures, each loaded once from the compiled-in resources.
class PictureBook {
  public:
    PictureBook();
    // Draws the picture at its natural size with its top-left corner at the given point.
    void draw(QPainter& painter, Picture picture, QPoint topLeft) const;

  private:
    std::map<Picture, std::unique_ptr<QSvgRenderer>> renderers_;
};

}  // namespace korvane::ui
