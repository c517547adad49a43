#include "race_screen.h"

#include <cstdlib>
#include <stdexcept>

#include "bench/figures.h"
#include "bench/nested_weston.h"

namespace korvane::bench {

bool waitForButton(const XProbe& probe, Window window, const MainForm& form, long colour,
                   double untilMs) {
    const Point at = topLeftOf(form.Command1);
    while (monotonicMs() < untilMs) {
        if (probe.pixel(window, at.x + 6, at.y + 6) == colour) return true;
    }
    return false;
}

Window waitForRaceWindow(XProbe& probe, const MainForm& form) {
    const double until = monotonicMs() + 30000;
    const bool nested = std::getenv("WAYLAND_DISPLAY") != nullptr;
    while (monotonicMs() < until) {
        const Window w =
            nested ? findNestedWindow(probe, MainForm::kCaption, MainForm::kClientWidth / 15,
                                      MainForm::kClientHeight / 15)
                   : probe.findByTitle(MainForm::kCaption);
        if (w && waitForButton(probe, w, form, kDarkGreen, monotonicMs() + 100)) return w;
        sleepMs(20);
    }
    throw std::runtime_error("the race window did not show");
}

double pressUntilGreen(XProbe& probe, Window window, const MainForm& form, double greenWithinMs) {
    const Point button = centreOf(form.Command1);
    const Point green = centreOf(form.Shape4);
    const double pressed = monotonicMs();
    probe.press(window, button.x, button.y);
    while (probe.pixel(window, green.x, green.y) == kLitGreen) {
        if (monotonicMs() > pressed + 3000) throw std::runtime_error("the green stayed lit");
    }
    while (monotonicMs() < pressed + greenWithinMs) {
        const double polled = monotonicMs();
        if (probe.pixel(window, green.x, green.y) == kLitGreen) return polled;
    }
    throw std::runtime_error("the player's green never showed");
}

void click(XProbe& probe, Window window, Point at) {
    probe.press(window, at.x, at.y);
    sleepMs(50);
    probe.release();
    sleepMs(400);
}

}  // namespace korvane::bench
