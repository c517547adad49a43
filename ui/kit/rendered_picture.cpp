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

// A resource's bytes where the program stores them, when stored as they are; none otherwise.
QByteArrayView storedBytes(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    return QByteArrayView(resource.data(), resource.size());
}

// The splash's stored bytes, when stored as they are and of the splash's size.
QByteArrayView storedSplash() {
    constexpr qsizetype kBytes = qsizetype{art::kSplashWidth} * art::kSplashHeight * 4;
    const QByteArrayView stored = storedBytes(QString::fromLatin1(art::kSplashRendered));
    return stored.size() == kBytes ? stored : QByteArrayView();
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
    QImage image = reader.read();
    // Decoded, the PNG's bytes are not needed soon again: a later read brings them back.
    const QByteArrayView stored = storedBytes(path);
    releaseReadOnlyPages(stored.data(), stored.size());
    return image;
}

}  // namespace korvane::ui
