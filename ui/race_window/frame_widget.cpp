#include "frame_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace korvane::ui {

FrameWidget::FrameWidget(std::unique_ptr<GraphicsPainter> graphics, QWidget* parent)
    : QGroupBox(parent), graphics_(std::move(graphics)) {
    // The frame hides what lies behind it (the setup backdrop) with the face colour.
    setAutoFillBackground(true);
}

void FrameWidget::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    graphics_->paint(painter, event->rect());
}

}  // namespace korvane::ui
