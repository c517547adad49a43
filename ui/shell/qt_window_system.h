#pragma once

#include <QObject>
#include <memory>

#include "app/window_system.h"
#include "common/handler_guard.h"

namespace korvane {
class ResultSoundGate;
}

namespace korvane::logbook {
class Logbook;
}

namespace korvane::ui {

class ControllerRoute;
class DestroyedWindowFilter;
class Practice;
class QtTimerService;
class RaceWindow;
class SplashWindow;
class TimeSlip;

// Creates, shows and destroys the two windows on screen as the program's life asks.
class QtWindowSystem : public QObject, public WindowSystem {
    Q_OBJECT

  public:
    QtWindowSystem(QtTimerService& timers, ErrorReport report);
    ~QtWindowSystem() override;

    void showSplash(SplashForm& splash) override;
    void unloadSplash() override;
    void loadMain(Main& main) override;
    void showMain() override;
    void unloadMain() override;
    void endProgram(int status) override;

    // Where the slip keeps each run across sessions; none by default.
    void setLogbook(logbook::Logbook* logbook) { logbook_ = logbook; }

    SplashWindow* splashWindow() const { return splash_.get(); }
    RaceWindow* raceWindow() const { return race_.get(); }
    // The controllers' way to the race window, which the practice settings choose from.
    void setControllerRoute(ControllerRoute* route) { route_ = route; }
    // The race sounds, which the results blocker silences.
    void setResultSoundGate(ResultSoundGate* gate) { gate_ = gate; }

  signals:
    // The quit button's click, which the program's life handles.
    void quitClicked();

  private:
    void addTimeSlip(Main& main);

    QtTimerService& timers_;
    ErrorReport report_;
    ControllerRoute* route_ = nullptr;
    logbook::Logbook* logbook_ = nullptr;
    ResultSoundGate* gate_ = nullptr;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<RaceWindow> race_;
    std::unique_ptr<TimeSlip> slip_;  // beside the race window, gone before it
    std::unique_ptr<Practice> practice_;
    std::unique_ptr<DestroyedWindowFilter> raceDestroyed_;
};

}  // namespace korvane::ui
