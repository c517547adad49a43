#include "picture_book.h"

#include <QPaintDevice>
#include <cmath>

#include "art/pictures.h"

namespace korvane::ui {

namespace {

const char* pathOf(Picture picture) {
    switch (picture) {
        case Picture::Background:
            return art::kBackground;
        case Picture::Skull:
            return art::kSkull;
        case Picture::Title:
            return art::kTitle;
        case Picture::TrafficLight:
            return art::kTrafficLight;
        case Picture::Splash:
            return art::kSplash;
        default:
            return nullptr;
    }
}

// Shapes that run past the picture's edge end at the image's edge.
QPixmap render(QSvgRenderer& source, qreal ratio) {
    const QSize size = source.defaultSize();
    QPixmap image(static_cast<int>(std::ceil(size.width() * ratio)),
                  static_cast<int>(std::ceil(size.height() * ratio)));
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    source.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

}  // namespace

const QPixmap* PictureBook::imageFor(Picture picture, qreal ratio) const {
    Rendered& entry = rendered_[picture];
    if (!entry.source) {
        const char* path = pathOf(picture);
        if (!path) return nullptr;
        entry.source = std::make_unique<QSvgRenderer>(QString::fromLatin1(path));
    }
    if (!entry.source->isValid()) return nullptr;
    if (entry.image.isNull() || entry.image.devicePixelRatio() != ratio) {
        entry.image = render(*entry.source, ratio);
    }
    return &entry.image;
}

void PictureBook::draw(QPainter& painter, Picture picture, QPoint topLeft) const {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (const QPixmap* image = imageFor(picture, ratio)) painter.drawPixmap(topLeft, *image);
}

}  // namespace korvane::ui
