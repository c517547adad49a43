#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Launch = RaceTest;

const std::string kCounterFull = "The win counter is full: no more wins can be counted.";

TEST_F(Launch, AReleaseDuringStagingRedLightsBothLanesGivesThePlayerTheRaceAndTheWalkGoesOn) {
    main.stagePressed();
    clock.advanceTo(1000);  // "Pre Stage" lit, no computer time yet
    release();
    EXPECT_EQ(main.player.timeDisplay.text, " .465");
    EXPECT_EQ(main.computer.timeDisplay.text, "");
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    for (const Lane* lane : {&main.player, &main.computer}) {
        EXPECT_EQ(lamps(*lane), (Lamps{DA, DA, DA, DG, LR}));
        EXPECT_TRUE(lane->redLightPicture.visible);
    }
    EXPECT_TRUE(main.player.winnerFlag.visible);
    EXPECT_FALSE(main.computer.winnerFlag.visible);
    EXPECT_EQ(main.playerWins.value(), 1);
    EXPECT_EQ(sound.played, std::vector<std::string>{"/data/redlight.wav"});
    EXPECT_TRUE(main.stagingWalk.enabled());
    EXPECT_EQ(main.preStage.caption, "");
    // The blanked indicators make the walk start over, and it still hands over.
    clock.advanceTo(1600);
    EXPECT_EQ(main.preStage.caption, "Pre Stage");
    clock.advanceTo(3200);
    EXPECT_TRUE(main.playerSequencer.enabled());
}

TEST_F(Launch, AProReleaseBeforeTheComputersDrawFindsNoComputerTimeAndDrawsNothing) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 300);  // five clock ticks, no Pro sequencer tick yet
    const float next = peekNextDraw();
    release();
    EXPECT_EQ(main.player.timeDisplay.text, " .39");
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, DG, LR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{DA, DA, DA, DG, LR}));
    EXPECT_TRUE(main.player.winnerFlag.visible);  // .39 beats the empty computer time, read as 0
    EXPECT_EQ(peekNextDraw(), next);
    EXPECT_FALSE(main.proSequencer.enabled());
}

TEST_F(Launch, ASecondReleaseWithoutAPressIsJudgedAgainFromTheLoweredProClock) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 900);
    main.computer.timeDisplay.text = ".405";
    setClock(5500);
    release();
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4700);
    EXPECT_EQ(main.player.timeDisplay.text, " .47");
    EXPECT_EQ(main.computerWins.value(), 1);  // .405 is quicker
    release();
    EXPECT_EQ(main.reactionClock.tenThousandths(), 3900);
    EXPECT_EQ(main.player.timeDisplay.text, " .39");
    EXPECT_EQ(main.player.red.fillColor, colour::kLitRed);
    EXPECT_EQ(main.computerWins.value(), 2);  // a clean launch beats a red light
    EXPECT_EQ(main.computer.winCountDisplay.text, " 2");
    EXPECT_EQ(sound.played, (std::vector<std::string>{"/data/launch.wav", "/data/redlight.wav"}));
}

TEST_F(Launch, TheReleaseFollowsTheTreeSettingItReadsAtTheRelease) {
    const auto t0 = stageAndHandOver();  // Standard Tree sequencers running
    clock.advanceTo(t0 + 1600);
    main.computer.timeDisplay.text = ".405";
    chooseProTree();
    setClock(4940);
    release();
    // Pro rules: less .08, lamp threshold .4, all three ambers of each lane dimmed.
    EXPECT_EQ(main.player.timeDisplay.text, " .414");
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_TRUE(main.computer.winnerFlag.visible);
    EXPECT_EQ(sound.played, std::vector<std::string>{"/data/launch.wav"});
    // It stops the Pro sequencer, so the Standard ones it did not name walk on.
    EXPECT_EQ(running(), (std::vector<std::string>{"player", "computer"}));
}

TEST_F(Launch, AMutedReleaseShowsTheWholeResultButPlaysNoSound) {
    main.muteSound.value = 1;
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 2100);
    main.computer.timeDisplay.text = ".510";
    setClock(5030);
    release();
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(main.player.winnerFlag.visible);
    EXPECT_EQ(main.player.winCountDisplay.text, " 1");
    EXPECT_EQ(main.player.green.fillColor, colour::kLitGreen);
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
        main.computer.timeDisplay.text = t.text;
        setClock(t.playerTenThousandths);
        arrangeNextDrawBelowHalf(true);  // a tie goes to the computer
        const float next = peekNextDraw();
        release();
        const bool computerRed = t.text != "0.5030";
        EXPECT_EQ(main.computer.red.fillColor, computerRed ? colour::kLitRed : colour::kDimRed)
            << t.text;
        EXPECT_EQ(main.computer.redLightPicture.visible, computerRed) << t.text;
        EXPECT_EQ(main.computer.timeDisplay.text, t.text);
        EXPECT_EQ(main.player.winnerFlag.visible, t.playerWins) << t.text;
        playerWins += t.playerWins;
        EXPECT_EQ(main.playerWins.value(), playerWins) << t.text;
        // Only the tie took a number.
        EXPECT_EQ(peekNextDraw() != next, !computerRed) << t.text;
    }
}

// Lamps and sound use the lamp threshold (.5), the winner decision the judging one (.499): a
// time between them shows a red lamp yet counts as a clean launch and beats a slower clean one.
TEST_F(Launch, LampsAndSoundUseTheLampThresholdWhileTheWinnerUsesTheJudgingThreshold) {
    struct Row {
        const char* computer;
        int player;
        Lamps playerLane, computerLane;
        bool playerWins;
    };
    const Row rows[] = {{".4995", 5030, {DA, DA, DA, LG, DR}, {DA, DA, LA, DG, LR}, false},
                        {".510", 4995, {DA, DA, LA, DG, LR}, {DA, DA, DA, LG, DR}, true}};
    for (const Row& row : rows) {
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 1600);
        main.computer.timeDisplay.text = row.computer;
        setClock(row.player);
        release();
        EXPECT_EQ(lamps(main.player), row.playerLane) << row.computer;
        EXPECT_EQ(lamps(main.computer), row.computerLane) << row.computer;
        EXPECT_EQ(main.player.winnerFlag.visible, row.playerWins) << row.computer;
        const bool playerRed = row.playerLane[4] == LR;
        EXPECT_EQ(sound.played.back(), playerRed ? "/data/redlight.wav" : "/data/launch.wav");
    }
}

TEST_F(Launch, AStandardReleaseDimsOnlyTheThirdAmberEvenWithAnUpperOneLit) {
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 600);  // first ambers lit
    main.computer.timeDisplay.text = ".505";
    setClock(5100);  // the clock counts ticks, so it can pass .5 this early
    release();
    EXPECT_EQ(lamps(main.player), (Lamps{LA, DA, DA, LG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{LA, DA, DA, LG, DR}));
    EXPECT_TRUE(main.computer.winnerFlag.visible);
}

// The run is handed on as the board shows it, before a sound that may outlast the game.
TEST_F(Launch, TheOutcomeIsRepaintedAndHandedOnBeforeTheSoundPlays) {
    const struct {
        int clock;
        int mute;
        std::vector<std::string> events;
    } rows[] = {
        {4900,
         0,
         {"repaint Shape5", "repaint Shape4", "repaint window", "judged .49",
          "sound /data/redlight.wav"}},
        {5200, 0, {"repaint Shape4", "repaint window", "judged .52", "sound /data/launch.wav"}},
        {5200, 1, {"repaint Shape4", "repaint window", "judged .52"}},
    };
    for (const auto& row : rows) {
        events.clear();
        main.stagePressed();
        clock.advanceBy(2400 + 2100);
        main.muteSound.value = row.mute;
        setClock(row.clock);
        release();
        EXPECT_EQ(events, row.events) << row.clock << " muted " << row.mute;
    }
}

TEST_F(Launch, AFullWinCounterIsReportedOnceAndNeitherWrapsNorStopsTheGame) {
    main.playerWins = ShortInt::from(32767);
    main.player.winCountDisplay.text = " 32766";
    main.computer.winCountDisplay.text = " 0";
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 2100);
    main.computer.timeDisplay.text = ".510";
    setClock(5030);
    release();
    EXPECT_EQ(messages.shown, std::vector<std::string>{kCounterFull});
    EXPECT_EQ(main.playerWins.value(), 32767);
    EXPECT_TRUE(main.player.winnerFlag.visible);  // the flag went up before the count
    EXPECT_EQ(main.player.winCountDisplay.text, " 32766");
    EXPECT_EQ(main.computer.winCountDisplay.text, " 0");
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(events, std::vector<std::string>{"repaint Shape4"});

    // The computer can still win and be counted.
    main.stagePressed();
    clock.advanceBy(2400 + 2100);
    main.computer.timeDisplay.text = ".505";
    setClock(5200);
    release();
    EXPECT_EQ(main.computerWins.value(), 1);
    EXPECT_EQ(main.computer.winCountDisplay.text, " 1");
    EXPECT_EQ(main.player.winCountDisplay.text, " 32767");
    EXPECT_EQ(sound.played, std::vector<std::string>{"/data/launch.wav"});
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace korvane::testing
