#include "ui/startup/colour_depth.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <string>

namespace korvane::ui {

namespace {

constexpr int kFewestBits = 15;

// Whether Qt has a picture to draw into on this screen: on X it has none for a visual whose
// pixels it cannot lay out, and everything it shows stays black.
bool qtDrawsOn(QScreen* screen) {
    QWindow probe(screen);
    probe.resize(1, 1);
    probe.create();
    QBackingStore store(&probe);
    store.resize(QSize(1, 1));
    // Asked before painting begins, as painting would complain of the missing picture.
    const QPaintDevice* device = store.paintDevice();
    return device != nullptr && device->paintEngine() != nullptr;
}

}  // namespace

bool colourDepthUsable(MessageBoxes& messages) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->depth() >= kFewestBits) return true;
    const std::string problem = "the screen shows " + std::to_string(screen->depth()) +
                                "-bit colour; the game needs at least " +
                                std::to_string(kFewestBits) + " bits a pixel";
    std::fprintf(stderr, "korvane: %s\n", problem.c_str());
    if (qtDrawsOn(screen)) messages.show("Korvane cannot run here: " + problem + ".");
    return false;
}

}  // namespace korvane::ui
