#include "splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/splash_form.h"
#include "ui/kit/control_geometry.h"
#include "ui/placement/window_placement.h"

namespace korvane::ui {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(toPixels(SplashForm::kClientWidth), toPixels(SplashForm::kClientHeight));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && windowsPlaceThemselves()) {
        move(centredTopLeft(rect(), screen->availableGeometry()));
    }
}

// Drawn once at its own size: the one column it leaves shows the window's own colour.
void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    pictures_.draw(painter, Picture::Splash, QPoint(0, 0));
    painted_ = true;
}

// Only the program closes the splash window.
void SplashWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}
void SplashWindow::keyPressEvent(QKeyEvent*) {}
void SplashWindow::mousePressEvent(QMouseEvent*) {}

}  // namespace korvane::ui
