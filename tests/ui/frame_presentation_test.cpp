#include "ui/timing/frame_presentation.h"

#include <optional>
#include <thread>

#include "tests/ui/race_window_fixture.h"

namespace korvane::testing {
namespace {

using std::chrono::milliseconds;

// The player's green lamp lit and dimmed in turn on the race window, on a Wayland compositor.
class GreenPresentation : public RaceWindowTest {
  protected:
    struct Frame {
        Moment flushed;
        std::optional<ui::Presentation> outcome;
        Moment answered;
    };

    void SetUp() override {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            GTEST_SKIP() << "needs a Wayland compositor";
        }
        ASSERT_TRUE(frames.available());
    }
    // Asks for the next frame's presentation and shows the changed lamp as a handler does.
    void toggleGreen(Frame& frame) {
        ASSERT_TRUE(frames.requestNext([&frame](const ui::Presentation& p) {
            frame.outcome = p;
            frame.answered = std::chrono::steady_clock::now();
        }));
        lit = !lit;
        main.Shape4.fillColor = lit ? LG : DG;
        window.refresh(main.Shape4);
        frame.flushed = std::chrono::steady_clock::now();
    }
    static bool answered(const Frame& frame) {
        return waitUntil([&frame] { return frame.outcome.has_value(); }, 5000);
    }

    ui::FramePresentation frames{window};
    bool lit = false;
};

// At every phase of the refresh; a time read on the wrong clock would fall outside.
TEST_F(GreenPresentation, EachFrameIsPresentedBetweenItsFlushAndTheAnswer) {
    for (int pause = 0; pause < 36; pause += 3) {
        QTest::qWait(pause);
        Frame frame;
        toggleGreen(frame);
        ASSERT_TRUE(answered(frame));
        ASSERT_TRUE(frame.outcome->presented) << "after " << pause << " ms";
        EXPECT_GT(frame.outcome->refresh.count(), 0);
        EXPECT_GE(frame.outcome->at, frame.flushed) << "after " << pause << " ms";
        EXPECT_LE(frame.outcome->at, frame.answered) << "after " << pause << " ms";
    }
}

// As before a sound, which holds the event loop while it plays.
TEST_F(GreenPresentation, AFrameShownBeforeTheLoopIsHeldReachesTheScreenWhileItIs) {
    QTest::qWait(200);  // nothing left to come from the compositor to wake Qt's connection
    Frame frame;
    toggleGreen(frame);
    std::this_thread::sleep_for(milliseconds(1500));
    const Moment released = std::chrono::steady_clock::now();
    ASSERT_TRUE(answered(frame));
    ASSERT_TRUE(frame.outcome->presented);
    EXPECT_LT(frame.outcome->at, released);
}

}  // namespace
}  // namespace korvane::testing
