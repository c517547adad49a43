// Renders every picture with Qt's SVG renderer, exactly as the game draws it, at 1x and 2x, and a
// mock of the race window with the lamps, post and pictures in place, so the art can be looked at.
// Usage: korvane_render_pictures OUTPUT_DIR
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSvgRenderer>
#include <cstdio>

#include "art/pictures.h"
#include "art/preview/svg_image.h"

namespace {

using namespace korvane::art;

QImage render(const char* path, int scale) {
    return renderSvg(QString(path), QSvgRenderer(QString(path)).defaultSize() * scale);
}

// Twips to pixels, 15 to one.
QRect px(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

void drawLightTree(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRect(px(3165, 1590, 135, 1875));
    p.setBrush(Qt::white);
    p.drawRect(px(2790, 1425, 855, 195));
    p.drawRect(px(2790, 1650, 855, 195));
    const QColor dim[] = {{0xFF, 0xFF, 0xC0},
                          {0xFF, 0xFF, 0xC0},
                          {0xFF, 0xFF, 0xC0},
                          {0xC0, 0xFF, 0xC0},
                          {0xFF, 0xC0, 0xC0}};
    for (int row = 0; row < 5; ++row) {
        p.setBrush(dim[row]);
        for (int left : {2895, 3315}) p.drawEllipse(px(left, 1920 + 315 * row, 255, 255));
    }
}

void drawTextBoxesAndButtons(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QRect& r :
         {px(1095, 240, 2145, 765), px(3360, 240, 1935, 765), px(6840, 5040, 1335, 345),
          px(8160, 5040, 855, 345), px(6840, 5640, 1335, 345), px(8160, 5640, 855, 345)}) {
        p.drawRect(r);
    }
    p.setBrush(QColor(0, 0xC0, 0));
    p.drawRect(px(6240, 6120, 1455, 615));
    p.setBrush(QColor(0, 0, 0xFF));
    p.drawRect(px(7770, 6120, 855, 615));
    p.setBrush(QColor(0xFF, 0, 0));
    p.drawRect(px(8640, 6120, 855, 615));
}

QImage raceWindowMock(bool setupOpen) {
    QImage window = render(kBackground, 1);
    QPainter p(&window);
    p.drawImage(371, 7, render(kTitle, 1));
    p.drawImage(84, 140, render(kSkull, 1));
    p.drawImage(245, 140, render(kSkull, 1));
    drawLightTree(p);
    drawTextBoxesAndButtons(p);
    if (setupOpen) {
        p.setPen(QColor(0, 0xFF, 0xFF));
        p.setBrush(QColor(0, 0, 0xFF));
        p.drawRect(px(6300, 945, 3165, 4005));
        p.setBrush(QColor(0xD8, 0xD8, 0xD8));
        p.drawRect(px(6510, 1050, 2775, 3690));
        p.drawImage(434 + 133, 70 + 28, render(kTrafficLight, 1));
    }
    return window;
}

bool save(const QImage& image, const QString& file) {
    const bool ok = image.save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
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
    ok &= save(raceWindowMock(false), out.filePath("race_window_mock.png"));
    ok &= save(raceWindowMock(true), out.filePath("race_window_mock_setup.png"));
    return ok ? 0 : 1;
}
