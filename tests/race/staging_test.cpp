#include <gtest/gtest.h>

#include "race/skill_levels.h"
#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Staging = RaceTest;
using Names = std::vector<std::string>;

TEST_F(Staging, AFirstPressWithUntouchedSettingsReadsNormalStandardTreeAndRollOut465) {
    main.stagePressed();
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_EQ(main.computerSlowest.value(), 512);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650);
    EXPECT_EQ(main.raceButton.caption, "Launch (Up)");
    EXPECT_EQ(main.raceButton.backColor, colour::kYellow);
    EXPECT_EQ(running(), Names{"walk"});
}

TEST_F(Staging, EveryLevelTreeAndRollOutGivesItsReactionWindowAndClockStart) {
    for (bool pro : {false, true}) {
        main.proTreeOption.value = pro ? 1 : 0;
        main.standardTreeOption.value = pro ? 0 : 1;
        for (int level = 1; level <= 5; ++level) {
            chooseLevel(level);
            main.rollOut.value = 450 + 5 * level;  // 455 to 475
            main.stagePressed();
            const int lower = pro ? 100 : 0;
            EXPECT_EQ(main.computerFastest.value(), kLevelWindows[level].fastest - lower) << level;
            EXPECT_EQ(main.computerSlowest.value(), kLevelWindows[level].slowest - lower) << level;
            EXPECT_EQ(main.reactionClock.tenThousandths(), main.rollOut.value * 10);
        }
    }
}

TEST_F(Staging, APressClearsThePreviousResultsAndPutsEveryLampOut) {
    for (const Lane* lane : {&main.player, &main.computer}) {
        for (Control* lamp : lane->ambers()) lamp->fillColor = LR;
        lane->green.fillColor = lane->red.fillColor = LR;
        lane->winnerFlag.visible = lane->redLightPicture.visible = true;
    }
    main.player.timeDisplay.text = " .503";
    main.computer.timeDisplay.text = ".497";
    main.player.winCountDisplay.text = " 3";
    main.preStage.caption = "Pre Stage";

    main.stagePressed();

    for (const Lane* lane : {&main.player, &main.computer}) {
        EXPECT_EQ(lane->timeDisplay.text, "");
        EXPECT_FALSE(lane->winnerFlag.visible);
        EXPECT_FALSE(lane->redLightPicture.visible);
        EXPECT_EQ(lamps(*lane), (Lamps{DA, DA, DA, DG, DR}));
    }
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
    EXPECT_EQ(running(), Names{"walk"});
    clock.advanceTo(2400);
    EXPECT_EQ(running(), (Names{"player", "computer", "clock"}));
}

TEST_F(Staging, TheProTreeHandOverStartsOnlyItsOwnSequencerAndTheClock) {
    chooseProTree();
    stage();
    EXPECT_EQ(running(), (Names{"pro", "clock"}));
}

TEST_F(Staging, TreeIsReadAgainAtTheHandOverToChooseTheSequencer) {
    main.stagePressed();  // Standard Tree bounds
    chooseProTree();
    clock.advanceTo(2400);
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_EQ(running(), (Names{"pro", "clock"}));
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
        EXPECT_EQ(running(), Names{"walk"}) << s.what;
        clock.advanceTo(pressed + 5000);
        release();
        EXPECT_EQ(main.player.timeDisplay.text, s.shown) << s.what;
    }
}

// The walk reads the captions: it lights what does not read exactly right and hands over at
// the first tick that finds both in place.
TEST_F(Staging, TheWalkGoesByTheExactCaptionsItFinds) {
    struct Row {
        const char* preStage;
        const char* staged;
        int handOverAt;
    };
    for (const Row& row : {Row{"Pre Stage", "Staged", 800}, Row{"pre stage", "Staged ", 2400}}) {
        main.preStage.caption = row.preStage;
        main.staged.caption = row.staged;
        const auto t0 = clock.now();
        main.stagePressed();
        clock.advanceTo(t0 + row.handOverAt - 1);
        EXPECT_FALSE(main.playerSequencer.enabled()) << row.preStage;
        clock.advanceTo(t0 + row.handOverAt);
        EXPECT_EQ(main.preStage.caption, "Pre Stage");
        EXPECT_EQ(main.staged.caption, "Staged");
        EXPECT_EQ(running(), (Names{"player", "computer", "clock"})) << row.preStage;
        release();
    }
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
