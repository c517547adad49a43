// Renders every picture with Qt's SVG renderer, exactly as the game draws it, at 1x and 2x, and
// the real race window offscreen with the art in place, so the art can be looked at.
// Usage: korvane_render_pictures OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <string>

#include "art/pictures.h"
#include "art/preview/svg_image.h"
#include "race/main.h"
#include "ui/race_window/race_window.h"

namespace {

using namespace korvane::art;

QImage render(const char* path, int scale) {
    return renderSvg(QString(path), QSvgRenderer(QString(path)).defaultSize() * scale);
}

// Nothing sounds and no box opens: the preview runs no handler.
struct Silent : korvane::WavePlayer, korvane::MessageBoxes {
    void PlayWave(const std::string&) override {}
    void show(const std::string&) override {}
};

// The real race window, drawn offscreen: as it opens, and with every control shown (winner
// flags, red-light pictures and the setup panel over the scene).
QImage raceWindow(bool everythingShown) {
    korvane::RandomSource random;
    Silent silent;
    korvane::Main main({random, silent, silent, ""});
    if (everythingShown) {
        for (korvane::Control* c : main.controls()) c->visible = true;
    }
    korvane::ui::RaceWindow window(main);
    return window.grab().toImage();
}

bool save(const QImage& image, const QString& file) {
    const bool ok = image.save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;
    bool ok = true;
    for (const char* path : allPictures()) {
        const QString name = QFileInfo(QString(path)).baseName();
        for (int scale : {1, 2}) {
            ok &= save(render(path, scale), out.filePath(name + QString("@%1x.png").arg(scale)));
        }
    }
    ok &= save(raceWindow(false), out.filePath("race_window.png"));
    ok &= save(raceWindow(true), out.filePath("race_window_everything_shown.png"));
    return ok ? 0 : 1;
}
