#include "ui/splash_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "qt_app.h"

namespace korvane::testing {
namespace {

struct SplashWindowTest : QtAppFirst, ::testing::Test {
    ui::SplashWindow splash;
};

TEST_F(SplashWindowTest, HasNoTitleBarStaysOutOfTheTaskBarAndCannotBeResized) {
    const Qt::WindowFlags flags = splash.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::SplashScreen);
    EXPECT_EQ(splash.size(), QSize(456, 232));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
}

TEST_F(SplashWindowTest, DrawsThePictureUnscaledLeavingTheLastColumnInTheWindowColour) {
    const QImage shot = splash.grab().toImage();
    const QColor window = splash.palette().window().color();
    for (int y : {0, 100, 231}) EXPECT_EQ(shot.pixelColor(455, y), window) << y;
    // The bright yellow name sits in the top-left corner of the picture.
    int yellow = 0;
    for (int x = 9; x <= 167; ++x) {
        const QColor c = shot.pixelColor(x, 20);
        if (c.red() > 230 && c.green() > 230 && c.blue() < 60) ++yellow;
    }
    EXPECT_GT(yellow, 10);
}

TEST_F(SplashWindowTest, ClicksKeysAndCloseRequestsDoNothing) {
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_FALSE(splash.close());
    EXPECT_TRUE(splash.isVisible());
}

}  // namespace
}  // namespace korvane::testing
