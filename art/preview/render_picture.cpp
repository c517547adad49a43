// Renders a picture from its SVG at its own size to a PNG, at build time, the way the game's
// windows draw it at 1x, so they show it without parsing the SVG.
// Usage: korvane_render_picture SVG OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "art/preview/svg_image.h"

int main(int argc, char** argv) {
    // The build may run where no display is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SVG OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage image = korvane::art::renderAtOwnSize(QString::fromLocal8Bit(argv[1]));
    if (!image.isNull() && image.save(argv[2])) return 0;
    std::fprintf(stderr, "%s: could not render %s to %s\n", argv[0], argv[1], argv[2]);
    return 1;
}
