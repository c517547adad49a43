#pragma once

#include <QGroupBox>
#include <memory>

#include "ui/race_window/graphics_painter.h"

namespace korvane::ui {

// A frame that paints its own labels, shapes, lines and pictures on its face, under the
// widgets it contains.
class FrameWidget : public QGroupBox {
    Q_OBJECT

  public:
    FrameWidget(std::unique_ptr<GraphicsPainter> graphics, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<GraphicsPainter> graphics_;
};

}  // namespace korvane::ui
