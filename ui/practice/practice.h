#pragma once

#include <memory>

#include "ui/practice/practice_settings.h"

class QAction;
class QWidget;

namespace korvane {
class CarDelay;
class ResultSoundGate;
class StartDelay;
}  // namespace korvane

namespace korvane::ui {

class ControllerRoute;
class RaceKey;
class RaceWindow;

// What the practice settings change besides the race window; any may be missing.
struct PracticeTargets {
    StartDelay* startDelay = nullptr;
    CarDelay* carDelay = nullptr;
    ResultSoundGate* sounds = nullptr;
};

// The practice settings at work: read at start, applied to the start delay and the race key,
// and changed in the Practice dialog (Ctrl+P, the race window's context menu).
class Practice {
  public:
    // The route may be missing (no controllers); then only the delays and the key apply.
    Practice(RaceWindow& race, PracticeTargets targets, ControllerRoute* route);
    ~Practice();
    // The action that opens the dialog, for other windows' menus (the time slip).
    QAction& action() { return *action_; }

  private:
    void apply();
    void openDialog();

    RaceWindow& race_;
    PracticeTargets targets_;
    ControllerRoute* route_;
    PracticeSettings settings_;
    std::unique_ptr<RaceKey> key_;
    std::unique_ptr<QAction> action_;
};

}  // namespace korvane::ui
