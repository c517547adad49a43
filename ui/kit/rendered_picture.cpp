#include "ui/kit/rendered_picture.h"

#include <QByteArray>
#include <QImageReader>
#include <QResource>
#include <QString>
#include <cstring>
#include <string>

#include "art/pictures.h"

namespace korvane::ui {

namespace {

// The splash's pixels as they are stored, so the first frame decodes nothing.
QImage splashPixels() {
    const QByteArray pixels =
        QResource(QString::fromLatin1(art::kSplashRendered)).uncompressedData();
    QImage image(art::kSplashWidth, art::kSplashHeight, QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes()) return {};
    // Copied, not wrapped: the resource's bytes need not be aligned as an image's must.
    std::memcpy(image.bits(), pixels.constData(), pixels.size());
    return image;
}

}  // namespace

QImage renderedAtTheBuild(const char* path, qreal ratio) {
    const std::string rendered = art::renderedPath(path);
    if (ratio != 1.0 || rendered.empty()) return {};
    if (rendered == art::kSplashRendered) return splashPixels();
    return builtPng(QString::fromStdString(rendered));
}

QImage builtPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace korvane::ui
