// Renders one of the game's pictures from its SVG to a PNG at its natural size, at build time,
// so the window showing it first draws without parsing or rendering any SVG.
// Usage: korvane_render_picture SVG OUTPUT.png
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
        std::fprintf(stderr, "usage: %s SVG OUTPUT.png\n", argv[0]);
        return 2;
    }
    QSvgRenderer source{QString::fromLocal8Bit(argv[1])};
    if (!source.isValid()) return 1;
    const QImage image = korvane::art::renderPicture(source, 1.0);
    if (image.save(QString::fromLocal8Bit(argv[2]))) return 0;
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[2]);
    return 1;
}
