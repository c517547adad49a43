#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <tuple>

#include "qt_app.h"
#include "race/result_sound_gate.h"
#include "tests/support/race_doubles.h"
#include "tests/support/recording_message_boxes.h"
#include "tests/support/virtual_timers.h"
#include "ui/kit/coloured_button.h"
#include "ui/kit/control_geometry.h"
#include "ui/race_window/race_window.h"

namespace korvane::testing {
namespace {

// A race window with a car delay, on a virtual clock whose milliseconds are the moments'.
struct DelayedRace : private QtAppFirst {
    explicit DelayedRace(int carDelayMs)
        : main({random, sound, messages, "/data", nullptr, &car}), window(main) {
        car.setMs(carDelayMs);
        for (Timer* t : main.raceTimers()) t->setHost(&clock);
        main.setSurface(&window);
        main.setReleaseWatch(&window);
        QObject::connect(&window, &ui::RaceWindow::released,
                         [this](Moment at, const ReleaseOutcome& outcome) {
                             releasedAt = at;
                             judged = outcome;
                             ++releases;
                         });
    }
    Moment now() const { return Moment(std::chrono::milliseconds(clock.now())); }
    void press() { window.raceButtonDown(); }
    void letGo() { window.raceButtonUp(now()); }
    bool buttonDown() {
        return static_cast<ui::ColouredButton*>(window.widgetFor(main.raceButton))->isDown();
    }

    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    VirtualTimers clock;
    CarDelay car;
    Main main;
    ui::RaceWindow window;
    Moment releasedAt;
    ReleaseOutcome judged;
    int releases = 0;
};

// The launch waits the car delay from the release's stamp to the millisecond, and is then judged
// exactly as a release at that moment with no delay: same board, lamps and computer time.
TEST(CarDelay, TheLaunchIsTheReleaseOfTheMomentTheDelayEnds) {
    struct Row {
        int releaseMs;  // after the stage press; the green is due at 4400
        int carDelayMs;
    };
    for (const Row row :
         {Row{3950, 400}, Row{3800, 400}, Row{4100, 1}, Row{3270, 1130}, Row{2000, 2999}}) {
        SCOPED_TRACE(std::to_string(row.releaseMs) + " + " + std::to_string(row.carDelayMs));
        DelayedRace delayed(row.carDelayMs);
        delayed.press();
        delayed.clock.advanceTo(row.releaseMs);
        const Moment hand = delayed.now();
        delayed.letGo();
        delayed.clock.advanceTo(row.releaseMs + row.carDelayMs - 1);
        EXPECT_EQ(delayed.releases, 0);
        EXPECT_TRUE(delayed.buttonDown());
        delayed.clock.advanceTo(row.releaseMs + row.carDelayMs);
        ASSERT_EQ(delayed.releases, 1);
        EXPECT_FALSE(delayed.buttonDown());
        EXPECT_EQ(delayed.releasedAt, hand);
        EXPECT_EQ(delayed.car.lastMs(), row.carDelayMs);

        DelayedRace direct(0);
        direct.press();
        direct.clock.advanceTo(row.releaseMs + row.carDelayMs);
        direct.letGo();
        EXPECT_EQ(delayed.judged.playerTime, direct.judged.playerTime);
        EXPECT_EQ(delayed.judged.computerTime, direct.judged.computerTime);
        EXPECT_EQ(delayed.judged.playerRed, direct.judged.playerRed);
        EXPECT_EQ(delayed.judged.winner, direct.judged.winner);
        EXPECT_EQ(direct.car.lastMs(), 0);
    }
}

// The racer's hand during the delay is not the car's: a press and its release change nothing,
// before or after the car has left.
TEST(CarDelay, APressWhileTheCarWaitsIsIgnoredWithItsRelease) {
    struct Row {
        int pressAfterMs;
        int releaseAfterMs;  // both after the hand let go; the car leaves at 400
    };
    for (const Row row : {Row{100, 200}, Row{100, 900}}) {
        DelayedRace race(400);
        race.press();
        race.clock.advanceTo(4300);
        race.letGo();
        race.clock.advanceBy(row.pressAfterMs);
        race.press();
        EXPECT_EQ(race.main.raceButton.caption, "Launch (Up)");
        race.clock.advanceTo(4300 + row.releaseAfterMs);
        race.letGo();
        race.clock.advanceTo(6000);
        EXPECT_EQ(race.releases, 1) << row.releaseAfterMs;
        EXPECT_EQ(race.main.raceButton.caption, " Stage (Down)");
    }
}

// With the blocker on, the outcome is covered from the launch until asked; staging the next race
// uncovers the cleared board and lamps but not the win counts.
TEST(ResultsBlocker, CoversTheOutcomeUntilTheRacerAsks) {
    struct Row {
        int carDelayMs;
        bool askByKey;
    };
    for (const Row row : {Row{0, false}, Row{400, true}}) {
        DelayedRace race(row.carDelayMs);
        race.window.setResultsHidden(true);
        race.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&race.window));
        race.press();
        race.clock.advanceTo(4500);
        race.letGo();
        race.clock.advanceTo(5000);
        ASSERT_EQ(race.releases, 1);
        const QPoint board = ui::pixelRect(race.main.player.timeDisplay.rect).center();
        const QPoint counts = ui::pixelRect(race.main.player.winCountDisplay.rect).center();
        EXPECT_TRUE(race.window.resultCovered());
        const QWidget* cover = race.window.childAt(board);
        ASSERT_NE(cover, nullptr);
        EXPECT_NE(cover, race.window.widgetFor(race.main.player.timeDisplay));
        race.press();
        EXPECT_EQ(race.window.childAt(board), race.window.widgetFor(race.main.player.timeDisplay));
        EXPECT_TRUE(race.window.resultCovered()) << "the counts stay covered";
        QWidget* countsCover = race.window.childAt(counts);
        if (row.askByKey) {
            race.window.activateWindow();
            QTest::keyClick(&race.window, Qt::Key_R);
        } else {
            QTest::mouseClick(countsCover, Qt::LeftButton);
        }
        EXPECT_FALSE(race.window.resultCovered());
    }
}

// The sounds that tell the result are dropped while it is hidden, and only those.
TEST(ResultsBlocker, SilencesOnlyTheReleaseSoundsWhileOn) {
    const std::tuple<bool, const char*, bool> rows[] = {
        {true, "/data/launch.wav", false},   {true, "/data/redlight.wav", false},
        {true, "/data/FiredUp.wav", true},   {false, "/data/launch.wav", true},
        {false, "/data/redlight.wav", true},
    };
    for (const auto& [hidden, path, played] : rows) {
        RecordingWavePlayer sounds;
        ResultSoundGate gate(sounds);
        gate.setResultsHidden(hidden);
        gate.PlayWave(path);
        EXPECT_EQ(sounds.played.size(), played ? 1U : 0U) << path;
    }
}

}  // namespace
}  // namespace korvane::testing
