#include <gtest/gtest.h>

#include "race/skill_levels.h"
#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Staging = RaceTest;

TEST_F(Staging, AFirstPressWithUntouchedSettingsReadsNormalStandardTreeAndRollOut465) {
    main.stagePressed();
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_EQ(main.computerSlowest.value(), 512);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650);
    EXPECT_EQ(main.raceButton.caption, "Launch (Up)");
    EXPECT_EQ(main.raceButton.backColor, colour::kYellow);
    EXPECT_TRUE(main.stagingWalk.enabled());
}

TEST_F(Staging, EveryLevelAndTreeGivesItsReactionWindow) {
    for (bool pro : {false, true}) {
        main.proTreeOption.value = pro ? 1 : 0;
        main.standardTreeOption.value = pro ? 0 : 1;
        for (int level = 1; level <= 5; ++level) {
            chooseLevel(level);
            main.stagePressed();
            const int lower = pro ? 100 : 0;
            EXPECT_EQ(main.computerFastest.value(), kLevelWindows[level].fastest - lower) << level;
            EXPECT_EQ(main.computerSlowest.value(), kLevelWindows[level].slowest - lower) << level;
        }
    }
}

TEST_F(Staging, TheRollOutSetsTheClockInThousandths) {
    for (int rollOut : {455, 465, 475}) {
        main.rollOut.value = rollOut;
        main.stagePressed();
        EXPECT_EQ(main.reactionClock.tenThousandths(), rollOut * 10);
    }
}

TEST_F(Staging, APressClearsThePreviousResultsAndPutsEveryLampOut) {
    for (Control* lamp :
         {&main.player.topAmber, &main.player.middleAmber, &main.player.bottomAmber,
          &main.player.green, &main.player.red, &main.computer.red, &main.computer.green,
          &main.computer.bottomAmber, &main.computer.middleAmber, &main.computer.topAmber}) {
        lamp->fillColor = colour::kLitRed;
    }
    main.player.timeDisplay.text = " .503";
    main.computer.timeDisplay.text = ".497";
    for (Control* c : {&main.computer.winnerFlag, &main.player.winnerFlag,
                       &main.player.redLightPicture, &main.computer.redLightPicture})
        c->visible = true;
    main.player.winCountDisplay.text = " 3";
    main.preStage.caption = "Pre Stage";

    main.stagePressed();  // right button with Shift stages like any other

    EXPECT_EQ(main.player.timeDisplay.text, "");
    EXPECT_EQ(main.computer.timeDisplay.text, "");
    for (Control* c : {&main.computer.winnerFlag, &main.player.winnerFlag,
                       &main.player.redLightPicture, &main.computer.redLightPicture}) {
        EXPECT_FALSE(c->visible) << c->name;
    }
    for (Control* amber :
         {&main.player.topAmber, &main.player.middleAmber, &main.player.bottomAmber,
          &main.computer.bottomAmber, &main.computer.middleAmber, &main.computer.topAmber}) {
        EXPECT_EQ(amber->fillColor, colour::kDimAmber) << amber->name;
    }
    EXPECT_EQ(main.player.green.fillColor, colour::kDimGreen);
    EXPECT_EQ(main.computer.green.fillColor, colour::kDimGreen);
    EXPECT_EQ(main.player.red.fillColor, colour::kDimRed);
    EXPECT_EQ(main.computer.red.fillColor, colour::kDimRed);
    // The press leaves the counters and the indicators alone.
    EXPECT_EQ(main.player.winCountDisplay.text, " 3");
    EXPECT_EQ(main.preStage.caption, "Pre Stage");
}

TEST_F(Staging, TheWalkLightsPreStageThenStagedThenStartsTheStandardTree) {
    main.stagePressed();
    clock.advanceTo(799);
    EXPECT_EQ(main.preStage.caption, "");
    clock.advanceTo(800);
    EXPECT_EQ(main.preStage.caption, "Pre Stage");
    EXPECT_EQ(main.preStage.backColor, colour::kPaleYellow);
    EXPECT_EQ(main.staged.caption, "");
    clock.advanceTo(1600);
    EXPECT_EQ(main.staged.caption, "Staged");
    EXPECT_EQ(main.staged.backColor, colour::kPaleYellow);
    EXPECT_FALSE(main.playerSequencer.enabled());
    clock.advanceTo(2400);
    EXPECT_TRUE(main.playerSequencer.enabled());
    EXPECT_TRUE(main.computerSequencer.enabled());
    EXPECT_FALSE(main.proSequencer.enabled());
    EXPECT_TRUE(main.reactionClockTicker.enabled());
    EXPECT_FALSE(main.stagingWalk.enabled());
}

TEST_F(Staging, TheProTreeHandOverStartsOnlyItsOwnSequencerAndTheClock) {
    chooseProTree();
    stage();
    EXPECT_TRUE(main.proSequencer.enabled());
    EXPECT_TRUE(main.reactionClockTicker.enabled());
    EXPECT_FALSE(main.playerSequencer.enabled());
    EXPECT_FALSE(main.computerSequencer.enabled());
    EXPECT_FALSE(main.stagingWalk.enabled());
}

TEST_F(Staging, TreeIsReadAgainAtTheHandOverToChooseTheSequencer) {
    main.stagePressed();  // Standard Tree bounds
    chooseProTree();
    clock.advanceTo(2400);
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_TRUE(main.proSequencer.enabled());
    EXPECT_FALSE(main.playerSequencer.enabled());
}

TEST_F(Staging, ASecondPressDuringTheWalkResetsTheRaceButNotTheWalk) {
    main.stagePressed();
    clock.advanceTo(1000);
    main.rollOut.value = 470;
    main.stagePressed();
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4700);
    clock.advanceTo(1600);
    EXPECT_EQ(main.staged.caption, "Staged");  // still 800 ms steps from the first press
    clock.advanceTo(2400);
    EXPECT_TRUE(main.playerSequencer.enabled());
}

// A tap's walk goes on and hands over by itself, leaving the clock and the lamps running and
// both indicators lit. The next press stops them: its race reads as a clean start from lit
// indicators (whose walk hands over at the first tick), not a clock carried over.
TEST_F(Staging, EveryPressStartsFromAStoppedClockSoAHoldAfterATapReadsAsACleanStart) {
    struct Start {
        const char* what;
        bool pro;
        bool indicatorsLit;   // for a clean start: as a finished walk leaves them
        int tapHeldMs;        // 0: no tap before the press
        int pressAfterTapMs;  // when the real press comes, after the tap went down
        const char* shown;    // after a 5 s hold
    };
    const Start starts[] = {
        {"clean start", false, false, 0, 0, " .512"},
        {"clean start, indicators lit", false, true, 0, 0, " .541"},
        {"press once the tap's sequencers run", false, false, 100, 3000, " .541"},
        {"press with the tap's ambers lit", false, false, 100, 3500, " .541"},
        {"clean Pro start", true, false, 0, 0, " .432"},
        {"clean Pro start, indicators lit", true, true, 0, 0, " .461"},
        {"Pro press once the tap's sequencer runs", true, false, 300, 2700, " .461"},
    };
    for (const Start& s : starts) {
        if (s.pro) chooseProTree();
        if (s.indicatorsLit) {
            main.preStage.caption = "Pre Stage";
            main.staged.caption = "Staged";
        }
        if (s.tapHeldMs > 0) {
            const auto tap = clock.now();
            main.stagePressed();
            clock.advanceTo(tap + s.tapHeldMs);
            release();
            clock.advanceTo(tap + s.pressAfterTapMs);
            ASSERT_TRUE(main.reactionClockTicker.enabled()) << s.what << ": the tap's clock runs";
        }
        const auto pressed = clock.now();
        main.stagePressed();
        for (const Timer* t : {&main.playerSequencer, &main.computerSequencer, &main.proSequencer,
                               &main.reactionClockTicker}) {
            EXPECT_FALSE(t->enabled()) << s.what << ": " << t->name();
        }
        EXPECT_TRUE(main.stagingWalk.enabled()) << s.what;
        clock.advanceTo(pressed + 5000);
        release();
        EXPECT_EQ(main.player.timeDisplay.text, s.shown) << s.what;
    }
}

TEST_F(Staging, IndicatorsAlreadyLitHandOverAtTheFirstTick) {
    main.preStage.caption = "Pre Stage";
    main.staged.caption = "Staged";
    main.stagePressed();
    clock.advanceTo(800);
    EXPECT_TRUE(main.playerSequencer.enabled());
    EXPECT_FALSE(main.stagingWalk.enabled());
}

TEST_F(Staging, TheCaptionTestIsExactAndCaseSensitive) {
    main.preStage.caption = "pre stage";
    main.staged.caption = "Staged ";
    main.stagePressed();
    clock.advanceTo(800);
    EXPECT_EQ(main.preStage.caption, "Pre Stage");
    EXPECT_FALSE(main.playerSequencer.enabled());
    clock.advanceTo(1600);
    EXPECT_EQ(main.staged.caption, "Staged");
    EXPECT_FALSE(main.playerSequencer.enabled());
}

TEST_F(Staging, ChangedSettingsCountOnlyFromTheNextPress) {
    main.stagePressed();
    chooseLevel(1);
    main.rollOut.value = 455;
    clock.advanceTo(2400);
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650);
    main.stagePressed();
    EXPECT_EQ(main.computerFastest.value(), 492);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4550);
}

}  // namespace
}  // namespace korvane::testing
