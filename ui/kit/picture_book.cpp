#include "picture_book.h"

#include <QPaintDevice>

#include "art/pictures.h"
#include "art/preview/picture_image.h"
#include "ui/kit/rendered_picture.h"

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

}  // namespace

const QPixmap* PictureBook::imageFor(Picture picture, qreal ratio) const {
    Rendered& entry = rendered_[picture];
    if (!entry.image.isNull() && entry.image.devicePixelRatio() == ratio) return &entry.image;
    entry.image = QPixmap::fromImage(renderedAtTheBuild(picture, ratio));
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
