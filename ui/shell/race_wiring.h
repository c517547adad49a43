#pragma once

namespace korvane::ui {

class QtTimerService;
class QtWindowSystem;
class RaceWindow;
class TimeSlip;

// Every connection between a loaded race window and the services around it, made in one place:
// input first delivers the due ticks, ticks are mirrored onto the screen, and the slip follows
// the timers and the releases. All direct, so the race's timing path gains no queued hop.
void connectRaceWindow(RaceWindow& race, QtTimerService& timers, TimeSlip& slip,
                       QtWindowSystem& windows);

}  // namespace korvane::ui
