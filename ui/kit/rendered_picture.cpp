#include "ui/kit/rendered_picture.h"

#include <QByteArrayView>
#include <QImageReader>
#include <QResource>
#include <QString>
#include <string>

#include "art/pictures.h"
#include "ui/platform/resident_pages.h"

namespace korvane::ui {

namespace {

// The splash's stored bytes, when stored as they are and of the splash's size.
QByteArrayView storedSplash() {
    const QResource resource(QString::fromLatin1(art::kSplashRendered));
    constexpr qsizetype kBytes = qsizetype{art::kSplashWidth} * art::kSplashHeight * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != kBytes) {
        return {};
    }
    return QByteArrayView(resource.data(), resource.size());
}

// The splash's pixels as they are stored, so the first frame decodes nothing: read in place
// where the bytes are aligned as an image's must be, copied otherwise.
QImage splashPixels() {
    const QByteArrayView stored = storedSplash();
    if (stored.isEmpty()) return {};
    const auto* bytes = reinterpret_cast<const uchar*>(stored.data());
    const QImage inPlace(bytes, art::kSplashWidth, art::kSplashHeight,
                         QImage::Format_ARGB32_Premultiplied);
    const bool aligned = reinterpret_cast<quintptr>(bytes) % alignof(quint32) == 0;
    return aligned ? inPlace : inPlace.copy();
}

}  // namespace

QImage renderedAtTheBuild(const char* path, qreal ratio) {
    const std::string rendered = art::renderedPath(path);
    if (ratio != 1.0 || rendered.empty()) return {};
    if (rendered == art::kSplashRendered) return splashPixels();
    return builtPng(QString::fromStdString(rendered));
}

void releaseSplashPixels() {
    const QByteArrayView stored = storedSplash();
    releaseReadOnlyPages(stored.data(), stored.size());
}

QImage builtPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace korvane::ui
