#pragma once

#include <QPainter>
#include <vector>

#include "race/control.h"
#include "ui/kit/picture_book.h"

namespace korvane::ui {

// Paints the labels, shapes, lines and pictures of one container, back to front, in the
// container's own coordinates. The window and Frame1 each paint theirs on their own surface.
class GraphicsPainter {
  public:
    GraphicsPainter(std::vector<const Control*> all, const Control* container,
                    const PictureBook& pictures, const Font& windowFont);

    // Paints the controls that reach into the area; the rest are left alone.
    void paint(QPainter& painter, const QRect& area) const;

  private:
    void prepareImages(const QPainter& painter) const;
    void paintLabel(QPainter& painter, const Control& label) const;
    void paintShape(QPainter& painter, const Control& shape) const;
    void paintLine(QPainter& painter, const Control& line) const;

    std::vector<const Control*> backToFront_;
    const PictureBook& pictures_;
    Font windowFont_;
    mutable qreal preparedRatio_ = 0;  // the pixel ratio the pictures were last prepared for
};

}  // namespace korvane::ui
