#pragma once

#include <QRect>
#include <memory>
#include <vector>

#include "session/race_moments.h"
#include "session/slip_log.h"
#include "ui/timing/green_onset.h"

class QAction;

namespace korvane::logbook {
class Logbook;
}

namespace korvane::ui {

class DestroyedWindowFilter;
class GreenFrameWatch;
class RaceWindow;
class TimeSlipWindow;

// The time slip beside the race window: follows each race's green, records every judged
// release and shows the session; Ctrl+T and the race window's context menu show or hide it, and
// Ctrl+T or Escape in the slip hides it. Each run goes to the logbook too, when there is one.
// The slip's window is made from the session's runs when first shown: a game that never shows it
// holds no memory for it.
class TimeSlip {
  public:
    TimeSlip(RaceWindow& race, const Main& main, std::unique_ptr<GreenOnsetSource> onset,
             logbook::Logbook* logbook = nullptr);
    ~TimeSlip();

    void timerStarted(const Timer& timer, Moment at) { moments_.timerStarted(timer, at); }
    // A counted release, as the board shows it: the slip's newest run, and the logbook's.
    void released(const ReleaseOutcome& outcome, Moment at);
    void toggle();
    // An action of the race window's that works in the slip too.
    void addWindowAction(QAction& action);
    TimeSlipWindow& window();

  private:
    void makeWindow();
    void showLogbookLine();
    GreenOnsetSource::Report onsetReport();
    QRect treeOnScreen() const;

    RaceWindow& race_;
    const Main& main_;
    RaceMoments moments_;
    SlipLog log_;
    logbook::Logbook* logbook_;
    std::unique_ptr<GreenOnsetSource> onset_;
    std::unique_ptr<TimeSlipWindow> window_;
    std::unique_ptr<DestroyedWindowFilter> windowDestroyed_;
    // On the race window, which outlives the slip: they go with the slip, which alone owns them.
    std::unique_ptr<GreenFrameWatch> watch_;
    std::unique_ptr<QAction> toggleAction_;
    std::vector<QAction*> windowActions_;
    bool newestHidden_ = false;  // by the results blocker, until the racer asks
};

}  // namespace korvane::ui
