#include "ui/frame_presentation.h"

#include <thread>

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <optional>

#include "tests/ui/qt_app.h"
#include "ui/compositor_flush.h"

namespace korvane::ui {
namespace {

using korvane::Moment;
using std::chrono::milliseconds;

// A plain window whose every repaint shows a new colour, so each one commits a new frame.
struct Canvas : testing::QtAppFirst, QWidget {
    int shade = 0;
    Canvas() {
        setFixedSize(200, 100);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor::fromHsv(shade % 360, 255, 255));
    }
    // Requests the next frame's presentation and repaints at once, committing the frame;
    // notes when the frame was flushed and when the compositor's answer arrived.
    struct Frame {
        Moment flushed;
        std::optional<Presentation> outcome;
        Moment answered;
    };
    void requestAndRepaint(Frame& frame, FramePresentation& frames) {
        EXPECT_TRUE(frames.requestNext([&frame](const Presentation& p) {
            frame.outcome = p;
            frame.answered = std::chrono::steady_clock::now();
        }));
        shade += 40;
        repaint();
        frame.flushed = std::chrono::steady_clock::now();
    }
};

bool onWayland() {
    testing::qtApp();
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

TEST(FramePresentation, EachRepaintIsPresentedBetweenItsFlushAndTheAnswer) {
    if (!onWayland()) GTEST_SKIP() << "needs a Wayland compositor";
    Canvas canvas;
    FramePresentation frames(canvas);
    ASSERT_TRUE(frames.available());
    // Repaints right after the last presentation, and in the middle of a refresh period. The
    // presentation lies between the flush and the answer: a time on the wrong clock would not.
    for (const milliseconds pause : {milliseconds(0), milliseconds(8), milliseconds(30)}) {
        for (int n = 0; n < 5; ++n) {
            QTest::qWait(static_cast<int>(pause.count()));
            Canvas::Frame frame;
            canvas.requestAndRepaint(frame, frames);
            ASSERT_TRUE(testing::waitUntil([&] { return frame.outcome.has_value(); }, 5000));
            ASSERT_TRUE(frame.outcome->presented);
            EXPECT_GT(frame.outcome->refresh.count(), 0);
            EXPECT_GE(frame.outcome->at, frame.flushed) << "pause " << pause.count() << " ms";
            EXPECT_LE(frame.outcome->at, frame.answered) << "pause " << pause.count() << " ms";
        }
    }
}

TEST(FramePresentation, AFrameReplacedBeforeItReachesTheScreenIsDiscarded) {
    if (!onWayland()) GTEST_SKIP() << "needs a Wayland compositor";
    Canvas canvas;
    FramePresentation frames(canvas);
    ASSERT_TRUE(frames.available());
    Canvas::Frame first;
    Canvas::Frame second;
    canvas.requestAndRepaint(first, frames);
    canvas.requestAndRepaint(second, frames);
    ASSERT_TRUE(testing::waitUntil([&] { return first.outcome && second.outcome; }, 5000));
    EXPECT_FALSE(first.outcome->presented);
    EXPECT_TRUE(second.outcome->presented);
}

// As a handler does before a sound that holds the event loop for as long as it plays.
TEST(FramePresentation, AFrameSentBeforeTheLoopBlocksReachesTheScreenWhileItIsBlocked) {
    if (!onWayland()) GTEST_SKIP() << "needs a Wayland compositor";
    Canvas canvas;
    FramePresentation frames(canvas);
    ASSERT_TRUE(frames.available());
    QTest::qWait(200);  // nothing left to come from the compositor while the loop is blocked
    Canvas::Frame frame;
    canvas.requestAndRepaint(frame, frames);
    flushToCompositor();
    std::this_thread::sleep_for(milliseconds(1500));
    const Moment unblocked = std::chrono::steady_clock::now();
    ASSERT_TRUE(testing::waitUntil([&] { return frame.outcome.has_value(); }, 5000));
    ASSERT_TRUE(frame.outcome->presented);
    EXPECT_LT(frame.outcome->at, unblocked);
}

TEST(FramePresentation, WithoutAWaylandCompositorNothingIsPromised) {
    if (onWayland()) GTEST_SKIP() << "runs where Qt draws without Wayland";
    Canvas canvas;
    FramePresentation frames(canvas);
    EXPECT_FALSE(frames.available());
    bool ran = false;
    EXPECT_FALSE(frames.requestNext([&ran](const Presentation&) { ran = true; }));
    canvas.repaint();
    QTest::qWait(50);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace korvane::ui
