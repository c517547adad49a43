#include "qt_window_system.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

#include "race/main.h"
#include "ui/kit/rendered_picture.h"
#include "ui/platform/destroyed_window_filter.h"
#include "ui/practice/practice.h"
#include "ui/race_window/race_window.h"
#include "ui/shell/qt_timer_service.h"
#include "ui/shell/race_wiring.h"
#include "ui/splash/splash_window.h"
#include "ui/time_slip/time_slip.h"
#include "ui/timing/presented_green_onset.h"

namespace korvane::ui {

namespace {

// Waits, a second at most, until the window system lets a new window draw: a Wayland compositor
// first configures it, and the start-up sound would otherwise hold the loop before it has.
void waitUntilExposed(const QWidget& window) {
    const auto exposed = [&window] {
        return window.windowHandle() && window.windowHandle()->isExposed();
    };
    if (exposed()) return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (exposed()) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

QtWindowSystem::QtWindowSystem(QtTimerService& timers, ErrorReport report,
                               logbook::Logbook* logbook, ResultSoundGate* gate)
    : timers_(timers), report_(std::move(report)), logbook_(logbook), gate_(gate), route_([this] {
          return race_.get();
      }) {}

QtWindowSystem::~QtWindowSystem() {
    unloadMain();
}

// Painted before this returns, so the picture is up before the start-up sound holds the event
// loop; Qt usually paints it inside show() already, and then once is enough.
// Showing a splash screen before the event loop starts runs pending events inside show(); the
// splash's first tick, due already on a slow machine, must not unload it there.
void QtWindowSystem::showSplash(SplashForm&) {
    splash_ = std::make_unique<SplashWindow>();
    timers_.setHeld(true);
    splash_->show();
    waitUntilExposed(*splash_);
    if (!splash_->painted()) splash_->repaint();
    timers_.setHeld(false);
}

// Hidden now and deleted by the event loop, as the unload may run inside the splash's own tick.
void QtWindowSystem::unloadSplash() {
    if (!splash_) return;
    splash_->hide();
    connect(splash_.get(), &QObject::destroyed, [] { releaseSplashPixels(); });
    splash_.release()->deleteLater();
}

void QtWindowSystem::loadMain(Main& main) {
    race_ = std::make_unique<RaceWindow>(main, report_);
    main.setSurface(race_.get());
    main.setReleaseWatch(race_.get());
    slip_ = std::make_unique<TimeSlip>(*race_, main, greenOnsetFor(*race_), logbook_);
    connectRaceWindow(*race_, timers_, *slip_, *this);
    practice_ = std::make_unique<Practice>(
        *race_, PracticeTargets{main.startDelay(), main.carDelay(), gate_}, &route_);
    slip_->addWindowAction(practice_->action());
    // Destroyed by another program, the race window ends the game as a close of it does.
    raceDestroyed_ = std::make_unique<DestroyedWindowFilter>(*race_, [this] { endProgram(0); });
}

void QtWindowSystem::showMain() {
    race_->show();
}

void QtWindowSystem::endProgram(int status) {
    QCoreApplication::exit(status);
}

// The slip goes first: it watches the race window's frames.
void QtWindowSystem::unloadMain() {
    slip_.reset();
    practice_.reset();
    raceDestroyed_.reset();
    race_.reset();
}

}  // namespace korvane::ui
