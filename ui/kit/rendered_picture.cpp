#include "ui/kit/rendered_picture.h"

#include <QByteArray>
#include <QResource>
#include <QString>
#include <cstring>

#include "art/pictures.h"

namespace korvane::ui {

QImage renderedAtTheBuild(Picture picture, qreal ratio) {
    if (picture != Picture::Splash || ratio != 1.0) return {};
    const QByteArray pixels =
        QResource(QString::fromLatin1(art::kSplashRendered)).uncompressedData();
    QImage image(art::kSplashWidth, art::kSplashHeight, QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes()) return {};
    // Copied, not wrapped: the resource's bytes need not be aligned as an image's must.
    std::memcpy(image.bits(), pixels.constData(), pixels.size());
    return image;
}

}  // namespace korvane::ui
