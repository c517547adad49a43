#pragma once

namespace korvane::ui {

// Where Qt cannot open a display it aborts (a core dump), where the display goes away it exits
// with lines of its own, and where the display never answers it waits for ever. While a
// DisplayGuard lives, each ends the game with one line, "korvane: cannot open a display: ..."
// naming what was tried, and exit status 1: no answer means no window within 15 s. Qt's other
// lines from the start are held back for a few seconds, then let through: the ones a dying
// display causes are never seen. A game ending otherwise in that time (a signal, a fatal message,
// exit) still prints them. Made before the QApplication, one per program.
class DisplayGuard {
  public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The QApplication has opened its display: the held lines go out a few seconds later, and
    // the wait for an answer ends with the first window shown.
    void displayOpened() const;
};

}  // namespace korvane::ui
