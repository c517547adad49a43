#include "picture_book.h"

#include <QImage>
#include <QPaintDevice>
#include <QSvgRenderer>

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

// Rendered by the build, or parsed and the parse dropped on return; null when there is no such
// picture.
QPixmap freshImage(const char* path, qreal ratio) {
    if (!path) return {};
    if (QImage built = renderedAtTheBuild(path, ratio); !built.isNull()) {
        return QPixmap::fromImage(std::move(built));
    }
    QSvgRenderer source(QString::fromLatin1(path));
    return source.isValid() ? QPixmap::fromImage(art::renderPicture(source, ratio)) : QPixmap();
}

qreal ratioOf(const QPainter& painter) {
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

}  // namespace

// Only the image is kept: the parsed shapes take more memory than the image does.
const QPixmap* PictureBook::imageFor(Picture picture, qreal ratio) const {
    Rendered& entry = rendered_[picture];
    if (entry.missing) return nullptr;
    if (entry.image.isNull() || entry.image.devicePixelRatio() != ratio) {
        entry.image = freshImage(pathOf(picture), ratio);
        entry.missing = entry.image.isNull();
    }
    return entry.missing ? nullptr : &entry.image;
}

void PictureBook::draw(QPainter& painter, Picture picture, QPoint topLeft) const {
    if (const QPixmap* image = imageFor(picture, ratioOf(painter))) {
        painter.drawPixmap(topLeft, *image);
    }
}

void PictureBook::prepare(const QPainter& painter, Picture picture) const {
    imageFor(picture, ratioOf(painter));
}

}  // namespace korvane::ui
