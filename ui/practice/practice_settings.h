#pragma once

#include <QString>
#include <optional>

#include "race/start_delay.h"
#include "ui/shell/controller_route.h"

namespace korvane::ui {

// The racer's practice choices, kept between runs of the game in
// $XDG_CONFIG_HOME/korvane/practice.conf; every one is off until the racer turns it on.
struct PracticeSettings {
    bool randomDelay = false;
    DelayRange delay;
    int raceKey = 0;  // a Qt::Key; 0 for none
    QString raceKeyName;
    std::optional<ChosenInput> controllerInput;  // none: every controller's inputs
    QString controllerInputName;

    std::optional<DelayRange> delayRange() const {
        return randomDelay ? std::optional(delay) : std::nullopt;
    }
};

PracticeSettings loadPracticeSettings();
void savePracticeSettings(const PracticeSettings& settings);

}  // namespace korvane::ui
