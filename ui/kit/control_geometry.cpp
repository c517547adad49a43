#include "control_geometry.h"

namespace korvane::ui {

int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

QRect pixelRect(const Rect& rect) {
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                 toPixels(rect.height));
}

QLine pixelLine(const LinePoints& line) {
    return QLine(toPixels(line.x1), toPixels(line.y1), toPixels(line.x2), toPixels(line.y2));
}

QRect pixelBounds(const Control& control) {
    if (control.kind != ControlKind::Line) return pixelRect(control.rect);
    const QLine line = pixelLine(control.line);
    return QRect(line.p1(), line.p2()).normalized();
}

QRect clientPixelBounds(const Control& control) {
    QRect bounds = pixelBounds(control);
    for (const Control* c = control.container; c; c = c->container) {
        bounds.translate(pixelRect(c->rect).topLeft());
    }
    return bounds;
}

}  // namespace korvane::ui
