#include "picture_book.h"

#include <QImage>
#include <QPaintDevice>
#include <QSvgRenderer>
#include <cmath>
#include <string>

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

// At 1x the image rendered at the build, when there is one; decoded straight into the pixmap.
QPixmap loadRendered(const char* path, qreal ratio) {
    const std::string rendered = art::renderedPath(path);
    if (ratio != 1.0 || rendered.empty()) return {};
    return QPixmap::fromImage(QImage(QString::fromStdString(rendered)));
}

// Loaded, or parsed and the parse dropped on return; a null image when there is no such picture.
QPixmap freshImage(const char* path, qreal ratio) {
    if (!path) return {};
    if (QPixmap image = loadRendered(path, ratio); !image.isNull()) return image;
    QSvgRenderer source(QString::fromLatin1(path));
    return source.isValid() ? render(source, ratio) : QPixmap();
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
