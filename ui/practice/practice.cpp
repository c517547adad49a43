#include "ui/practice/practice.h"

#include <QAction>
#include <cstdio>

#include "input/unreadable_controllers.h"

#include "race/car_delay.h"
#include "race/result_sound_gate.h"
#include "race/start_delay.h"
#include "ui/controllers/controller_route.h"
#include "ui/practice/practice_dialog.h"
#include "ui/practice/race_key.h"
#include "ui/race_window/race_window.h"

namespace korvane::ui {

Practice::Practice(RaceWindow& race, PracticeTargets targets, ControllerRoute* route)
    : race_(race),
      targets_(targets),
      route_(route),
      settings_(loadPracticeSettings()),
      key_(std::make_unique<RaceKey>(race)),
      action_(std::make_unique<QAction>(QObject::tr("Practice..."), &race)) {
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action_->setShortcutContext(Qt::WindowShortcut);
    action_->setShortcutVisibleInContextMenu(true);
    QObject::connect(action_.get(), &QAction::triggered, &race, [this] { openDialog(); });
    race.addAction(action_.get());
    apply();
    for (const input::UnreadableController& unreadable : input::unreadableControllers()) {
        std::fprintf(stderr, "korvane: %s\n", input::unreadableAdvice(unreadable).c_str());
    }
}

Practice::~Practice() = default;

void Practice::apply() {
    if (targets_.startDelay != nullptr) targets_.startDelay->setRange(delayRange(settings_));
    if (targets_.carDelay != nullptr) targets_.carDelay->setMs(settings_.carDelayMs);
    if (targets_.sounds != nullptr) targets_.sounds->setResultsHidden(settings_.blocker);
    race_.setResultsHidden(settings_.blocker);
    key_->setKey(settings_.raceKey);
    if (route_ != nullptr) route_->choose(chosenInput(settings_));
}

// The race key rests while the dialog is open, so choosing a key does not start a race.
void Practice::openDialog() {
    key_->setKey(0);
    PracticeDialog dialog(settings_, route_, &race_);
    if (dialog.exec() == QDialog::Accepted) {
        settings_ = dialog.settings();
        savePracticeSettings(settings_);
    }
    apply();
}

}  // namespace korvane::ui
