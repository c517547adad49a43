#include "graphics_painter.h"

#include <QPaintDevice>
#include <algorithm>

#include "ui/kit/control_geometry.h"
#include "ui/kit/font_choice.h"
#include "ui/kit/qt_values.h"

namespace korvane::ui {

namespace {

// An antialiased one-pixel outline runs through the centres of the edge pixels.
QRectF outlineRect(const QRect& rect) {
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

}  // namespace

GraphicsPainter::GraphicsPainter(std::vector<const Control*> all, const Control* container,
                                 const PictureBook& pictures, const Font& windowFont)
    : pictures_(pictures), windowFont_(windowFont) {
    for (const Control* c : all) {
        if (c->container == container && !c->isWidget()) backToFront_.push_back(c);
    }
    std::sort(backToFront_.begin(), backToFront_.end(),
              [](const Control* a, const Control* b) { return a->zOrder > b->zOrder; });
}

// Hidden pictures too, so the skull shown at a red light is only blitted; again only on a
// screen of another pixel ratio.
void GraphicsPainter::prepareImages(const QPainter& painter) const {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (ratio == preparedRatio_) return;
    preparedRatio_ = ratio;
    for (const Control* c : backToFront_) {
        if (c->kind == ControlKind::Image) pictures_.prepare(painter, c->picture);
    }
}

void GraphicsPainter::paint(QPainter& painter, const QRect& area) const {
    prepareImages(painter);
    for (const Control* c : backToFront_) {
        if (!c->visible || !pixelBounds(*c).adjusted(-1, -1, 1, 1).intersects(area)) continue;
        painter.save();
        switch (c->kind) {
            case ControlKind::Label:
                paintLabel(painter, *c);
                break;
            case ControlKind::Shape:
                paintShape(painter, *c);
                break;
            case ControlKind::Line:
                paintLine(painter, *c);
                break;
            case ControlKind::Image:
                pictures_.draw(painter, c->picture, pixelRect(c->rect).topLeft());
                break;
            default:
                break;
        }
        painter.restore();
    }
}

void GraphicsPainter::paintLabel(QPainter& painter, const Control& label) const {
    const QRect rect = pixelRect(label.rect);
    painter.fillRect(rect, backOrFace(label.backColor));
    painter.setPen(foreOrText(label.foreColor));
    const QString caption = QString::fromStdString(label.caption);
    painter.setFont(fitToWidth(chooseFont(label.font, windowFont_), caption, rect.width()));
    painter.setClipRect(rect);
    painter.drawText(rect, toQtAlignment(label.alignment), caption);
}

void GraphicsPainter::paintShape(QPainter& painter, const Control& shape) const {
    const QRect rect = pixelRect(shape.rect);
    painter.setPen(QPen(foreOrText(shape.borderColor), 1));
    painter.setBrush(shape.fillSolid ? QBrush(toQColor(shape.fillColor)) : Qt::NoBrush);
    if (shape.shape == ShapeKind::Circle) {
        // A circle is as wide as the smaller side, centred in the rectangle.
        const int side = std::min(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(outlineRect(square));
    } else {
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void GraphicsPainter::paintLine(QPainter& painter, const Control& line) const {
    painter.setPen(QPen(foreOrText(line.borderColor), 1));
    painter.drawLine(pixelLine(line.line));
}

}  // namespace korvane::ui
