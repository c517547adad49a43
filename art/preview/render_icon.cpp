// Renders the game's icon from its SVG to a PNG of one size, at build time, for the window icon
// and the desktop's icon theme. Usage: korvane_render_icon SVG SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "art/preview/svg_image.h"

int main(int argc, char** argv) {
    // The build may run where no display is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = argc == 4 ? QString(argv[2]).toInt() : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: %s SVG SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage image = korvane::art::renderSvg(QString::fromLocal8Bit(argv[1]), {size, size});
    if (image.save(QString::fromLocal8Bit(argv[3]))) return 0;
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[3]);
    return 1;
}
