// Renders one of the game's pictures from its SVG at its natural size, at build time, to its
// premultiplied ARGB32 pixels row after row, so the window showing it first draws without
// parsing, rendering or decoding anything. Usage: korvane_render_picture SVG OUTPUT
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

#include "art/preview/picture_image.h"

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
    QFile out(QString::fromLocal8Bit(argv[2]));
    const auto* bytes = reinterpret_cast<const char*>(image.constBits());
    if (out.open(QIODevice::WriteOnly) &&
        out.write(bytes, image.sizeInBytes()) == image.sizeInBytes()) {
        return 0;
    }
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[2]);
    return 1;
}
