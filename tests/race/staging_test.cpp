#include <gtest/gtest.h>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Staging = RaceTest;

TEST_F(Staging, AFirstPressWithUntouchedSettingsReadsNormalStandardTreeAndRollOut465) {
    main.Command1_MouseDown(1, 0, 0, 0);
    EXPECT_EQ(main.mhreact.value(), 496);
    EXPECT_EQ(main.mlreact.value(), 512);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650);
    EXPECT_EQ(main.Command1.caption, "Launch (Up)");
    EXPECT_EQ(main.Command1.backColor, colour::kYellow);
    EXPECT_TRUE(main.Timer6.enabled());
}

TEST_F(Staging, EveryLevelAndTreeGivesItsReactionWindow) {
    const int standard[6][2] = {{0, 0}, {492, 520}, {494, 516}, {496, 512}, {498, 508}, {500, 504}};
    for (bool pro : {false, true}) {
        main.Tree[1].value = pro ? 1 : 0;
        main.Tree[2].value = pro ? 0 : 1;
        for (int level = 1; level <= 5; ++level) {
            chooseLevel(level);
            main.Command1_MouseDown(1, 0, 0, 0);
            const int lower = pro ? 100 : 0;
            EXPECT_EQ(main.mhreact.value(), standard[level][0] - lower) << level << pro;
            EXPECT_EQ(main.mlreact.value(), standard[level][1] - lower) << level << pro;
        }
    }
}

TEST_F(Staging, TheRollOutSetsTheClockInThousandths) {
    for (int rollOut : {455, 465, 475}) {
        main.RollOut.value = rollOut;
        main.Command1_MouseDown(1, 0, 0, 0);
        EXPECT_EQ(main.RTVAL.tenThousandths(), rollOut * 10);
    }
}

TEST_F(Staging, APressClearsThePreviousResultsAndPutsEveryLampOut) {
    for (Control* lamp : {&main.Shape1, &main.Shape2, &main.Shape3, &main.Shape4, &main.Shape5,
                          &main.Shape6, &main.Shape7, &main.Shape8, &main.Shape9, &main.Shape10}) {
        lamp->fillColor = colour::kLitRed;
    }
    main.Text1.text = " .503";
    main.Text2.text = ".497";
    for (Control* c : {&main.Text3, &main.Text4, &main.Image1, &main.Image2}) c->visible = true;
    main.Text7.text = " 3";
    main.Label1.caption = "Pre Stage";

    main.Command1_MouseDown(2, 1, 5, 5);  // right button with Shift stages like any other

    EXPECT_EQ(main.Text1.text, "");
    EXPECT_EQ(main.Text2.text, "");
    for (Control* c : {&main.Text3, &main.Text4, &main.Image1, &main.Image2}) {
        EXPECT_FALSE(c->visible) << c->name;
    }
    for (Control* amber :
         {&main.Shape1, &main.Shape2, &main.Shape3, &main.Shape8, &main.Shape9, &main.Shape10}) {
        EXPECT_EQ(amber->fillColor, colour::kDimAmber) << amber->name;
    }
    EXPECT_EQ(main.Shape4.fillColor, colour::kDimGreen);
    EXPECT_EQ(main.Shape7.fillColor, colour::kDimGreen);
    EXPECT_EQ(main.Shape5.fillColor, colour::kDimRed);
    EXPECT_EQ(main.Shape6.fillColor, colour::kDimRed);
    // The press leaves the counters and the indicators alone.
    EXPECT_EQ(main.Text7.text, " 3");
    EXPECT_EQ(main.Label1.caption, "Pre Stage");
}

TEST_F(Staging, TheWalkLightsPreStageThenStagedThenStartsTheStandardTree) {
    main.Command1_MouseDown(1, 0, 0, 0);
    clock.advanceTo(799);
    EXPECT_EQ(main.Label1.caption, "");
    clock.advanceTo(800);
    EXPECT_EQ(main.Label1.caption, "Pre Stage");
    EXPECT_EQ(main.Label1.backColor, colour::kPaleYellow);
    EXPECT_EQ(main.Label2.caption, "");
    clock.advanceTo(1600);
    EXPECT_EQ(main.Label2.caption, "Staged");
    EXPECT_EQ(main.Label2.backColor, colour::kPaleYellow);
    EXPECT_FALSE(main.Timer1.enabled());
    clock.advanceTo(2400);
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_TRUE(main.Timer2.enabled());
    EXPECT_FALSE(main.Timer3.enabled());
    EXPECT_TRUE(main.Timer5.enabled());
    EXPECT_FALSE(main.Timer6.enabled());
}

TEST_F(Staging, TheProTreeHandOverStartsOnlyItsOwnSequencerAndTheClock) {
    chooseProTree();
    stage();
    EXPECT_TRUE(main.Timer3.enabled());
    EXPECT_TRUE(main.Timer5.enabled());
    EXPECT_FALSE(main.Timer1.enabled());
    EXPECT_FALSE(main.Timer2.enabled());
    EXPECT_FALSE(main.Timer6.enabled());
}

TEST_F(Staging, TreeIsReadAgainAtTheHandOverToChooseTheSequencer) {
    main.Command1_MouseDown(1, 0, 0, 0);  // Standard Tree bounds
    chooseProTree();
    clock.advanceTo(2400);
    EXPECT_EQ(main.mhreact.value(), 496);
    EXPECT_TRUE(main.Timer3.enabled());
    EXPECT_FALSE(main.Timer1.enabled());
}

TEST_F(Staging, ASecondPressDuringTheWalkResetsTheRaceButNotTheWalk) {
    main.Command1_MouseDown(1, 0, 0, 0);
    clock.advanceTo(1000);
    main.RollOut.value = 470;
    main.Command1_MouseDown(3, 0, 0, 0);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4700);
    clock.advanceTo(1600);
    EXPECT_EQ(main.Label2.caption, "Staged");  // still 800 ms steps from the first press
    clock.advanceTo(2400);
    EXPECT_TRUE(main.Timer1.enabled());
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
            main.Label1.caption = "Pre Stage";
            main.Label2.caption = "Staged";
        }
        if (s.tapHeldMs > 0) {
            const auto tap = clock.now();
            main.Command1_MouseDown(1, 0, 0, 0);
            clock.advanceTo(tap + s.tapHeldMs);
            release();
            clock.advanceTo(tap + s.pressAfterTapMs);
            ASSERT_TRUE(main.Timer5.enabled()) << s.what << ": the tap's clock runs";
        }
        const auto pressed = clock.now();
        main.Command1_MouseDown(1, 0, 0, 0);
        for (const Timer* t : {&main.Timer1, &main.Timer2, &main.Timer3, &main.Timer5}) {
            EXPECT_FALSE(t->enabled()) << s.what << ": " << t->name();
        }
        EXPECT_TRUE(main.Timer6.enabled()) << s.what;
        clock.advanceTo(pressed + 5000);
        release();
        EXPECT_EQ(main.Text1.text, s.shown) << s.what;
    }
}

TEST_F(Staging, IndicatorsAlreadyLitHandOverAtTheFirstTick) {
    main.Label1.caption = "Pre Stage";
    main.Label2.caption = "Staged";
    main.Command1_MouseDown(1, 0, 0, 0);
    clock.advanceTo(800);
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_FALSE(main.Timer6.enabled());
}

TEST_F(Staging, TheCaptionTestIsExactAndCaseSensitive) {
    main.Label1.caption = "pre stage";
    main.Label2.caption = "Staged ";
    main.Command1_MouseDown(1, 0, 0, 0);
    clock.advanceTo(800);
    EXPECT_EQ(main.Label1.caption, "Pre Stage");
    EXPECT_FALSE(main.Timer1.enabled());
    clock.advanceTo(1600);
    EXPECT_EQ(main.Label2.caption, "Staged");
    EXPECT_FALSE(main.Timer1.enabled());
}

TEST_F(Staging, ChangedSettingsCountOnlyFromTheNextPress) {
    main.Command1_MouseDown(1, 0, 0, 0);
    chooseLevel(1);
    main.RollOut.value = 455;
    clock.advanceTo(2400);
    EXPECT_EQ(main.mhreact.value(), 496);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650);
    main.Command1_MouseDown(1, 0, 0, 0);
    EXPECT_EQ(main.mhreact.value(), 492);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4550);
}

}  // namespace
}  // namespace korvane::testing
