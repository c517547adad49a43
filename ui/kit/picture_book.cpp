#include "picture_book.h"

#include <QImage>
#include <QPaintDevice>

#include "art/pictures.h"
#include "art/preview/picture_image.h"

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

// The picture as the build rendered it, at the one ratio it renders at; null otherwise.
QPixmap renderedAtTheBuild(Picture picture, qreal ratio) {
    if (picture != Picture::Splash || ratio != 1.0) return {};
    // Not QPixmap::load, which keeps a copy in the pixmap cache.
    return QPixmap::fromImage(QImage(QString::fromLatin1(art::kSplashRendered)));
}

}  // namespace

const QPixmap* PictureBook::imageFor(Picture picture, qreal ratio) const {
    Rendered& entry = rendered_[picture];
    if (!entry.image.isNull() && entry.image.devicePixelRatio() == ratio) return &entry.image;
    entry.image = renderedAtTheBuild(picture, ratio);
    if (!entry.image.isNull()) return &entry.image;
    if (!entry.source) {
        const char* path = pathOf(picture);
        if (!path) return nullptr;
        entry.source = std::make_unique<QSvgRenderer>(QString::fromLatin1(path));
    }
    if (!entry.source->isValid()) return nullptr;
    entry.image = QPixmap::fromImage(art::renderPicture(*entry.source, ratio));
    return &entry.image;
}

void PictureBook::draw(QPainter& painter, Picture picture, QPoint topLeft) const {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (const QPixmap* image = imageFor(picture, ratio)) painter.drawPixmap(topLeft, *image);
}

}  // namespace korvane::ui
