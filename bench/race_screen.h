#pragma once

#include "bench/race_points.h"
#include "bench/x_probe.h"
#include "race/main_form.h"

namespace korvane::bench {

// Polls the race button's face until it shows the colour or the time (monotonic ms) is up.
bool waitForButton(const XProbe& probe, Window window, const MainForm& form, long colour,
                   double untilMs);
// The race window once it shows its green race button, after the splash and start-up sound;
// with WAYLAND_DISPLAY set, as a client of a weston nested in the X display.
Window waitForRaceWindow(XProbe& probe, const MainForm& form);
// Presses the race button and polls the player's green until it goes out (the last race's
// stays until the press is shown) and lights again. Returns when the poll that first saw it lit
// began (monotonic ms); throws when it stays lit 3 s or does not light within greenWithinMs.
double pressUntilGreen(XProbe& probe, Window window, const MainForm& form, double greenWithinMs);
// A press and a release at one point, and time for the game to answer.
void click(XProbe& probe, Window window, Point at);

}  // namespace korvane::bench
