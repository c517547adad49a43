#include <QScreen>

#include "race_window_fixture.h"

namespace korvane::testing {
namespace {

// Set before the QApplication exists, as a user would in the environment. (One variable per
// test program can go through korvane_test's ENV, which the platform plugin already uses.)
const bool kScaledScreen = qputenv("QT_SCALE_FACTOR", "2");

// With QT_SCALE_FACTOR=2 the window keeps its layout in device-independent pixels and is
// drawn with twice as many device pixels, pictures and lamps included.
using HighDensityScreen = RaceWindowTest;

TEST_F(HighDensityScreen, TheWholeWindowScalesWithTheScreen) {
    ASSERT_TRUE(kScaledScreen);
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 2.0);
    EXPECT_EQ(window.size(), QSize(637, 455));
    EXPECT_EQ(widget(main.raceButton)->geometry(), QRect(416, 408, 97, 41));

    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.size(), QSize(1274, 910));
    const QPoint lamp = centreOf(main.computer.topAmber) * 2;
    EXPECT_EQ(image.pixelColor(lamp), QColor(255, 255, 192));
    const QPoint button = (ui::pixelRect(main.raceButton.rect).topLeft() + QPoint(6, 6)) * 2;
    EXPECT_EQ(image.pixelColor(button), QColor(0, 192, 0));
}

TEST_F(HighDensityScreen, FontsKeepTheirSizeInDeviceIndependentPixels) {
    EXPECT_EQ(widget(main.player.winCountDisplay)->font().pixelSize(), 18);
    EXPECT_EQ(QFontInfo(widget(main.player.winCountDisplay)->font()).pixelSize(), 18);
}

TEST_F(HighDensityScreen, TheBoardsWordsStillShowWhole) {
    for (const Control* box : {&main.computer.timeDisplay, &main.player.timeDisplay}) {
        expectWholeTextShows(*static_cast<QLineEdit*>(widget(*box)));
    }
}

}  // namespace
}  // namespace korvane::testing
