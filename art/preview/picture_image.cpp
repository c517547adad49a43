#include "art/preview/picture_image.h"

#include <QPainter>
#include <cmath>

namespace korvane::art {

QImage renderPicture(QSvgRenderer& source, qreal ratio) {
    const QSize size = source.defaultSize();
    QImage image(static_cast<int>(std::ceil(size.width() * ratio)),
                 static_cast<int>(std::ceil(size.height() * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    source.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

}  // namespace korvane::art
