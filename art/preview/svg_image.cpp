#include "art/preview/svg_image.h"

#include <QPainter>
#include <QSvgRenderer>

namespace korvane::art {

QImage renderSvg(const QString& path, QSize size) {
    QSvgRenderer renderer{path};
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage renderAtOwnSize(const QString& path) {
    QSvgRenderer renderer{path};
    if (!renderer.isValid()) return {};
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), renderer.defaultSize()));
    return image;
}

}  // namespace korvane::art
