#pragma once

#include <optional>

#include "app/practice_options.h"
#include "input/chosen_input.h"
#include "race/start_delay.h"

namespace korvane::ui {

// The practice choices as kept in $XDG_CONFIG_HOME/korvane/practice.conf.
using PracticeSettings = PracticeOptions;

// The stored choices; a value the dialog could not have chosen is brought into its range and
// told once on stderr.
PracticeSettings loadPracticeSettings();
void savePracticeSettings(const PracticeSettings& settings);

std::optional<DelayRange> delayRange(const PracticeSettings& settings);
std::optional<input::ChosenInput> chosenInput(const PracticeSettings& settings);

}  // namespace korvane::ui
