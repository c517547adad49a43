#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Launch = RaceTest;

const std::string kCounterFull = "The win counter is full: no more wins can be counted.";

TEST_F(Launch, AReleaseDuringStagingRedLightsBothLanesGivesThePlayerTheRaceAndTheWalkGoesOn) {
    main.Command1_MouseDown(1, 0, 0, 0);
    clock.advanceTo(1000);  // "Pre Stage" lit, no computer time yet
    release();
    EXPECT_EQ(main.Text1.text, " .465");
    EXPECT_EQ(main.Text2.text, "");
    EXPECT_TRUE(main.Text2.visible);
    EXPECT_EQ(main.Shape5.fillColor, colour::kLitRed);
    EXPECT_EQ(main.Shape6.fillColor, colour::kLitRed);
    EXPECT_TRUE(main.Image1.visible);
    EXPECT_TRUE(main.Image2.visible);
    EXPECT_TRUE(main.Text4.visible);
    EXPECT_FALSE(main.Text3.visible);
    EXPECT_EQ(main.mplayerwins.value(), 1);
    EXPECT_EQ(sound.played, std::vector<std::string>{"/data/redlight.wav"});
    EXPECT_TRUE(main.Timer6.enabled());
    EXPECT_EQ(main.Label1.caption, "");
    // The blanked indicators make the walk start over, and it still hands over.
    clock.advanceTo(1600);
    EXPECT_EQ(main.Label1.caption, "Pre Stage");
    clock.advanceTo(3200);
    EXPECT_TRUE(main.Timer1.enabled());
}

TEST_F(Launch, AProReleaseBeforeTheComputersDrawFindsNoComputerTimeAndDrawsNothing) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 300);  // five clock ticks, no Timer3 tick yet
    const float next = peekNextDraw();
    release();
    EXPECT_EQ(main.Text1.text, " .39");
    EXPECT_EQ(main.Shape5.fillColor, colour::kLitRed);
    EXPECT_EQ(main.Shape6.fillColor, colour::kLitRed);
    EXPECT_TRUE(main.Text4.visible);  // .39 beats the empty computer time, read as 0
    EXPECT_EQ(peekNextDraw(), next);
    EXPECT_FALSE(main.Timer3.enabled());
}

TEST_F(Launch, ASecondReleaseWithoutAPressIsJudgedAgainFromTheLoweredProClock) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 900);
    main.Text2.text = ".405";
    setClock(5500);
    release();
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4700);
    EXPECT_EQ(main.Text1.text, " .47");
    EXPECT_EQ(main.mPCwins.value(), 1);  // .405 is quicker
    release();
    EXPECT_EQ(main.RTVAL.tenThousandths(), 3900);
    EXPECT_EQ(main.Text1.text, " .39");
    EXPECT_EQ(main.Shape5.fillColor, colour::kLitRed);
    EXPECT_EQ(main.mPCwins.value(), 2);  // a clean launch beats a red light
    EXPECT_EQ(main.Text8.text, " 2");
    EXPECT_EQ(sound.played, (std::vector<std::string>{"/data/launch.wav", "/data/redlight.wav"}));
}

TEST_F(Launch, TheReleaseFollowsTheTreeSettingItReadsAtTheRelease) {
    const auto t0 = stageAndHandOver();  // Standard Tree sequencers running
    clock.advanceTo(t0 + 1600);
    main.Text2.text = ".405";
    chooseProTree();
    setClock(4940);
    release();
    // Pro rules: less .08, lamp threshold .4, all three ambers of each lane dimmed.
    EXPECT_EQ(main.Text1.text, " .414");
    EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.Shape7.fillColor, colour::kLitGreen);
    EXPECT_TRUE(main.Text3.visible);
    EXPECT_EQ(sound.played, std::vector<std::string>{"/data/launch.wav"});
    // It stops the Pro sequencer, so the Standard ones it did not name walk on.
    EXPECT_FALSE(main.Timer5.enabled());
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_TRUE(main.Timer2.enabled());
}

TEST_F(Launch, AMutedReleaseShowsTheWholeResultButPlaysNoSound) {
    main.Check1.value = 1;
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 2100);
    main.Text2.text = ".510";
    setClock(5030);
    release();
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(main.Text4.visible);
    EXPECT_EQ(main.Text7.text, " 1");
    EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen);
    EXPECT_EQ(surface.log.back(), "window");
}

TEST_F(Launch, WhatIsTypedIntoTheComputerDisplayIsWhatGetsJudged) {
    struct Typed {
        std::string text;
        int playerTenThousandths;
        bool playerWins;
    };
    // ".3" is a red light the clean player beats; text that is no number reads as a time of 0,
    // which even a red-lit player beats; "0.5030" is the player's .503 exactly: a tie.
    const std::vector<Typed> typed = {
        {".3", 5050, true}, {"abc", 4970, true}, {"", 4970, true}, {"0.5030", 5030, false}};
    int playerWins = 0;
    for (const Typed& t : typed) {
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 1600);
        main.Text2.text = t.text;
        setClock(t.playerTenThousandths);
        arrangeNextDrawBelowHalf(true);  // a tie goes to the computer
        const float next = peekNextDraw();
        release();
        const bool computerRed = t.text != "0.5030";
        EXPECT_EQ(main.Shape6.fillColor, computerRed ? colour::kLitRed : colour::kDimRed) << t.text;
        EXPECT_EQ(main.Image2.visible, computerRed) << t.text;
        EXPECT_EQ(main.Text2.text, t.text);
        EXPECT_EQ(main.Text4.visible, t.playerWins) << t.text;
        playerWins += t.playerWins;
        EXPECT_EQ(main.mplayerwins.value(), playerWins) << t.text;
        // Only the tie took a number.
        EXPECT_EQ(peekNextDraw() != next, !computerRed) << t.text;
    }
}

// Lamps use the lamp threshold (.5) and the winner decision the judging one (.499): a typed
// .4995 shows the computer's red lamp yet counts as a clean launch and beats a slower player.
TEST_F(Launch, LampsAndSoundUseTheLampThresholdWhileTheWinnerUsesTheJudgingThreshold) {
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 1600);
    main.Text2.text = ".4995";
    setClock(5030);
    release();
    EXPECT_EQ(main.Shape6.fillColor, colour::kLitRed);
    EXPECT_TRUE(main.Text3.visible);

    // A player time between them: red lamp and buzzer, but judged clean, and quicker.
    const auto t1 = stageAndHandOver();
    clock.advanceTo(t1 + 1600);
    main.Text2.text = ".510";
    setClock(4995);
    release();
    EXPECT_EQ(main.Shape5.fillColor, colour::kLitRed);
    EXPECT_TRUE(main.Text4.visible);
    EXPECT_EQ(sound.played.back(), "/data/redlight.wav");
}

TEST_F(Launch, AStandardReleaseDimsOnlyTheThirdAmberEvenWithAnUpperOneLit) {
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 600);  // first ambers lit
    main.Text2.text = ".505";
    setClock(5100);  // the clock counts ticks, so it can pass .5 this early
    release();
    EXPECT_EQ(main.Shape1.fillColor, colour::kLitAmber);
    EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.Shape10.fillColor, colour::kLitAmber);
    EXPECT_EQ(main.Shape7.fillColor, colour::kLitGreen);
    EXPECT_TRUE(main.Text3.visible);
}

TEST_F(Launch, TheOutcomeIsRepaintedBeforeTheSoundPlays) {
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 2100);
    setClock(4900);
    release();
    EXPECT_EQ(events, (std::vector<std::string>{"repaint Shape5", "repaint Shape4",
                                                "repaint window", "sound /data/redlight.wav"}));
    events.clear();
    main.Command1_MouseDown(1, 0, 0, 0);
    setClock(5200);
    release();
    EXPECT_EQ(events, (std::vector<std::string>{"repaint Shape4", "repaint window",
                                                "sound /data/launch.wav"}));
}

TEST_F(Launch, AFullWinCounterIsReportedOnceAndNeitherWrapsNorStopsTheGame) {
    main.mplayerwins = ShortInt::from(32767);
    main.Text7.text = " 32766";
    main.Text8.text = " 0";
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 2100);
    main.Text2.text = ".510";
    setClock(5030);
    release();
    EXPECT_EQ(messages.shown, std::vector<std::string>{kCounterFull});
    EXPECT_EQ(main.mplayerwins.value(), 32767);
    EXPECT_TRUE(main.Text4.visible);  // the flag went up before the count
    EXPECT_EQ(main.Text7.text, " 32766");
    EXPECT_EQ(main.Text8.text, " 0");
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(events, std::vector<std::string>{"repaint Shape4"});

    // The computer can still win and be counted.
    main.Command1_MouseDown(1, 0, 0, 0);
    clock.advanceBy(2400 + 2100);
    main.Text2.text = ".505";
    setClock(5200);
    release();
    EXPECT_EQ(main.mPCwins.value(), 1);
    EXPECT_EQ(main.Text8.text, " 1");
    EXPECT_EQ(main.Text7.text, " 32767");
    EXPECT_EQ(sound.played, std::vector<std::string>{"/data/launch.wav"});
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace korvane::testing
