// Renders one of the game's pictures from its SVG at its natural size, at build time, as the game
// would render it at 1x: to an OUTPUT ending in .argb32 as its premultiplied ARGB32 pixels row
// after row, to any other as an image file of that type.
// Usage: korvane_render_picture SVG OUTPUT
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

#include "art/preview/picture_image.h"

namespace {

bool writePixels(const QImage& image, const QString& path) {
    QFile out(path);
    const auto* bytes = reinterpret_cast<const char*>(image.constBits());
    return out.open(QIODevice::WriteOnly) &&
           out.write(bytes, image.sizeInBytes()) == image.sizeInBytes();
}

}  // namespace

int main(int argc, char** argv) {
    // The build may run where no display is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SVG OUTPUT\n", argv[0]);
        return 2;
    }
    QSvgRenderer source{QString::fromLocal8Bit(argv[1])};
    if (!source.isValid()) return 1;
    const QImage image = korvane::art::renderPicture(source, 1.0);
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (output.endsWith(QLatin1String(".argb32")) ? writePixels(image, output)
                                                  : image.save(output)) {
        return 0;
    }
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[2]);
    return 1;
}
