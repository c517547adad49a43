#include <gtest/gtest.h>

#include <QSignalSpy>

#include "qt_app.h"
#include "ui/race_window/race_button.h"

namespace korvane::testing {
namespace {

class RaceButtonTest : public ::testing::Test, private QtAppFirst {
  protected:
    RaceButtonTest() {
        button.resize(97, 41);
        QObject::connect(&button, &ui::RaceButton::mouseDown, [this](Moment) { ++downs; });
        QObject::connect(&button, &ui::RaceButton::mouseUp, [this](Moment) { ++ups; });
    }
    ui::RaceButton button;
    int downs = 0;
    int ups = 0;
};

TEST_F(RaceButtonTest, EveryMouseButtonPressAndReleaseIsAnEventWithNoClick) {
    QSignalSpy clicks(&button, &QPushButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(11, 21));
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(11, 21));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 22));
    QTest::mousePress(&button, Qt::MiddleButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::MiddleButton, {}, QPoint(5, 5));

    EXPECT_EQ(downs, 3);
    EXPECT_EQ(ups, 3);
    EXPECT_EQ(clicks.count(), 0);
}

// Qt turns a press that comes soon after a release into a double click alone, with no press.
TEST_F(RaceButtonTest, APressSoonAfterAReleaseIsAPressEvenWhenQtMakesItADoubleClick) {
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        downs = ups = 0;
        // Press, release and press again at once, through the window system as real input.
        QTest::mouseDClick(button.windowHandle(), b, {}, QPoint(30, 20));
        EXPECT_EQ(downs, 2) << b;
        EXPECT_EQ(ups, 2) << b;
    }
    // Held after such a press, the button looks pressed.
    QTest::mouseDClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isDown());
}

TEST_F(RaceButtonTest, TheButtonLooksPressedUntilTheLastButtonComesUp) {
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mousePress(&button, Qt::RightButton);
    EXPECT_TRUE(button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isDown());
    QTest::mouseRelease(&button, Qt::RightButton);
    EXPECT_FALSE(button.isDown());
}

TEST_F(RaceButtonTest, TheKeyboardDoesNothing) {
    QSignalSpy clicks(&button, &QPushButton::clicked);
    for (auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&button, key);
    }
    EXPECT_EQ(downs + ups, 0);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.isDown());
}

TEST_F(RaceButtonTest, ItsFaceShowsTheColourItIsGiven) {
    button.setFace(QColor(255, 255, 0));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 8), QColor(255, 255, 0));
    EXPECT_EQ(button.face(), QColor(255, 255, 0));
}

}  // namespace
}  // namespace korvane::testing
