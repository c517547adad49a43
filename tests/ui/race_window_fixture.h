#pragma once

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "qt_app.h"
#include "tests/race/race_fixture.h"
#include "ui/kit/control_geometry.h"
#include "ui/race_window/race_window.h"

namespace korvane::testing {

// Checks that a text box shows its whole text. A line edit scrolls a text too wide for its
// contents, and then a click at its left edge no longer lands before the first character.
inline void expectWholeTextShows(QLineEdit& box) {
    SCOPED_TRACE(box.objectName().toStdString() + " \"" + box.text().toStdString() + "\"");
    box.grab();  // the line edit settles how far it scrolls while painting
    const int middle = box.height() / 2;
    EXPECT_EQ(box.cursorPositionAt(QPoint(0, middle)), 0);
    EXPECT_EQ(box.cursorPositionAt(QPoint(box.width() - 1, middle)), box.text().size());

    QStyleOptionFrame panel;
    panel.initFrom(&box);
    panel.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &box);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &box);
    EXPECT_LE(QFontMetrics(box.font()).horizontalAdvance(box.text()), contents.width());
}

// The race window on screen (offscreen platform) over a model on a virtual clock.
class RaceWindowTest : public ::testing::Test, private QtAppFirst {
  protected:
    RaceWindowTest()
        : main({random, sound, messages, "/data"}),
          window(main, [this](const std::exception& e) { reported = e.what(); }) {
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
    std::string reported;  // what the window's error report was given
    ui::RaceWindow window;
};

}  // namespace korvane::testing
