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

}  // namespace korvane::art
