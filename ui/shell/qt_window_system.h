#pragma once

#include <QObject>
#include <memory>

#include "app/window_system.h"
#include "common/handler_guard.h"
#include "ui/controllers/controller_route.h"

namespace korvane {
class ResultSoundGate;
}

namespace korvane::logbook {
class Logbook;
}

namespace korvane::ui {

class DestroyedWindowFilter;
class Practice;
class QtTimerService;
class RaceWindow;
class SplashWindow;
class TimeSlip;

// Creates, shows and destroys the two windows on screen as the program's life asks. The slip
// keeps each run in the logbook and the results blocker silences the gate's sounds, when given;
// the controllers reach the race window through the route this owns.
class QtWindowSystem : public QObject, public WindowSystem {
    Q_OBJECT

  public:
    QtWindowSystem(QtTimerService& timers, ErrorReport report, logbook::Logbook* logbook = nullptr,
                   ResultSoundGate* gate = nullptr);
    ~QtWindowSystem() override;

    void showSplash(SplashForm& splash) override;
    void unloadSplash() override;
    void loadMain(Main& main) override;
    void showMain() override;
    void unloadMain() override;
    void endProgram(int status) override;

    SplashWindow* splashWindow() const { return splash_.get(); }
    RaceWindow* raceWindow() const { return race_.get(); }
    // The controllers' way to the race window, which the practice settings choose from.
    ControllerRoute& controllerRoute() { return route_; }

  signals:
    // The quit button's click, which the program's life handles.
    void quitClicked();

  private:
    QtTimerService& timers_;
    ErrorReport report_;
    logbook::Logbook* logbook_;
    ResultSoundGate* gate_;
    ControllerRoute route_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<RaceWindow> race_;
    std::unique_ptr<TimeSlip> slip_;  // beside the race window, gone before it
    std::unique_ptr<Practice> practice_;
    std::unique_ptr<DestroyedWindowFilter> raceDestroyed_;
};

}  // namespace korvane::ui
