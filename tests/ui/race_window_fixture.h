#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "qt_app.h"
#include "tests/race/race_fixture.h"
#include "ui/control_geometry.h"
#include "ui/race_window.h"

namespace korvane::testing {

// The race window on screen (offscreen platform) over a model on a virtual clock.
class RaceWindowTest : public ::testing::Test, private QtAppFirst {
  protected:
    RaceWindowTest() : main({random, sound, messages, "/data"}), window(main) {
        for (Timer* t : main.timers()) t->setHost(&clock);
        main.setSurface(&window);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* widget(const Control& control) const { return window.widgetFor(control); }
    // The centre of a control on the window, in window pixels.
    QPoint centreOf(const Control& control) const { return ui::pixelRect(control.rect).center(); }
    QColor pixelAt(QPoint at) { return window.grab().toImage().pixelColor(at); }
    // Moves virtual time on and shows the outcome, as the timer service does after a tick.
    void advance(std::int64_t ms) {
        clock.advanceBy(ms);
        window.mirror();
    }

    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    VirtualTimers clock;
    Main main;
    ui::RaceWindow window;
};

}  // namespace korvane::testing
