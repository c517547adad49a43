#include "qt_window_system.h"

#include <QCoreApplication>

#include "race/main.h"
#include "ui/qt_timer_service.h"
#include "ui/race_window.h"
#include "ui/splash_window.h"

namespace korvane::ui {

QtWindowSystem::QtWindowSystem(QtTimerService& timers, ErrorReport report)
    : timers_(timers), report_(std::move(report)) {}

QtWindowSystem::~QtWindowSystem() {
    timers_.setAfterTick(nullptr);
}

// Painted at once, so the picture is up before the start-up sound holds the event loop.
void QtWindowSystem::showSplash(SplashForm&) {
    splash_ = std::make_unique<SplashWindow>();
    splash_->show();
    splash_->repaint();
}

// Hidden now and deleted by the event loop, as the unload may run inside the splash's own tick.
void QtWindowSystem::unloadSplash() {
    if (!splash_) return;
    splash_->hide();
    splash_.release()->deleteLater();
}

void QtWindowSystem::loadMain(Main& main) {
    race_ = std::make_unique<RaceWindow>(main);
    main.setSurface(race_.get());
    race_->setErrorReport(report_);
    race_->onQuit([this] {
        if (quit_) quit_();
    });
    timers_.setAfterTick([this] { race_->mirror(); });
}

void QtWindowSystem::showMain() {
    race_->show();
}

void QtWindowSystem::endProgram(int status) {
    QCoreApplication::exit(status);
}

}  // namespace korvane::ui
