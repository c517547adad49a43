#include <gtest/gtest.h>

#include <vector>

#include "race/computer_time.h"
#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Sequencer = RaceTest;
using Names = std::vector<std::string>;

TEST_F(Sequencer, TheStandardTreeStepsBothLanesEveryHalfSecondToTheGreens) {
    const auto t0 = stageAndHandOver();
    const std::vector<std::pair<int, Lamps>> steps = {
        {499, {DA, DA, DA, DG, DR}},  {500, {LA, DA, DA, DG, DR}},  {999, {LA, DA, DA, DG, DR}},
        {1000, {DA, LA, DA, DG, DR}}, {1500, {DA, DA, LA, DG, DR}}, {1999, {DA, DA, LA, DG, DR}}};
    for (const auto& [at, lit] : steps) {
        clock.advanceTo(t0 + at);
        EXPECT_EQ(lamps(main.player), lit) << at;
        EXPECT_EQ(lamps(main.computer), lit) << at;
    }
    main.computer.timeDisplay.text = ".505";
    clock.advanceTo(t0 + 2000);
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_FALSE(main.computer.redLightPicture.visible);
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    EXPECT_EQ(running(), Names{"clock"});
    EXPECT_TRUE(surface.log.empty());  // the Standard Tree asks for no immediate repaint
}

TEST_F(Sequencer, TheProTreeLightsAllSixAmbersThenBothGreens) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 399);
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, DG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{DA, DA, DA, DG, DR}));
    clock.advanceTo(t0 + 400);
    EXPECT_EQ(lamps(main.player), (Lamps{LA, LA, LA, DG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{LA, LA, LA, DG, DR}));
    EXPECT_FALSE(main.computer.timeDisplay.visible);
    EXPECT_FALSE(main.computer.timeDisplay.text.empty());
    clock.advanceTo(t0 + 799);
    EXPECT_EQ(main.player.green.fillColor, DG);
    main.computer.timeDisplay.text = ".405";
    clock.advanceTo(t0 + 800);
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    EXPECT_EQ(running(), Names{"clock"});
    EXPECT_EQ(surface.log, std::vector<std::string>{"window"});
}

TEST_F(Sequencer, TheComputerTimeWaitsHiddenFromTheDrawUntilTheLastStep) {
    const float r = peekNextDraw();
    const auto t0 = stageAndHandOver();
    EXPECT_EQ(main.computer.timeDisplay.text, "");
    EXPECT_TRUE(main.computer.timeDisplay.visible);  // before the draw the cleared display shows
    clock.advanceTo(t0 + 500);
    EXPECT_EQ(main.computer.timeDisplay.text,
              computerTimeText(drawComputerTime(main.computerFastest, main.computerSlowest, r)));
    for (int at : {500, 1000, 1500, 1999}) {
        clock.advanceTo(t0 + at);
        EXPECT_FALSE(main.computer.timeDisplay.visible) << at;
    }
    clock.advanceTo(t0 + 2000);
    EXPECT_TRUE(main.computer.timeDisplay.visible);
}

// The computer lane launches by itself on the sequencer's last step: red below the tree's
// threshold. A Standard red leaves the last amber lit beside it; the Pro Tree dims every amber,
// and its red also stops a Standard computer sequencer left running.
TEST_F(Sequencer, TheComputerLaneRedLightsBelowItsTreesThreshold) {
    struct Row {
        bool pro;
        const char* text;
        Lamps computer;
    };
    const Row rows[] = {{false, ".499", {DA, DA, LA, DG, LR}},
                        {false, ".500", {DA, DA, DA, LG, DR}},
                        {false, ".5", {DA, DA, DA, LG, DR}},
                        {true, ".399", {DA, DA, DA, DG, LR}},
                        {true, ".400", {DA, DA, DA, LG, DR}}};
    for (const Row& row : rows) {
        main.proTreeOption.value = row.pro ? 1 : 0;
        main.standardTreeOption.value = row.pro ? 0 : 1;
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + (row.pro ? 400 : 500));
        main.computer.timeDisplay.text = row.text;
        if (row.pro) main.computerSequencer.setEnabled(true);
        clock.advanceTo(t0 + (row.pro ? 800 : 2000));
        const bool red = row.computer[4] == LR;
        EXPECT_EQ(lamps(main.computer), row.computer) << row.text;
        EXPECT_EQ(main.computer.redLightPicture.visible, red) << row.text;
        EXPECT_EQ(main.player.green.fillColor, LG) << row.text;  // the player lane goes on
        EXPECT_EQ(running(), (row.pro && !red ? Names{"computer", "clock"} : Names{"clock"}))
            << row.text;
        main.computerSequencer.setEnabled(false);
        release();
    }
}

TEST_F(Sequencer, AProPlayerAlreadyOnRedGetsNoGreenWhileTheComputerLaneCompletes) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 400);
    main.computer.timeDisplay.text = ".402";
    main.player.red.fillColor = LR;
    clock.advanceTo(t0 + 800);
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, DG, LR}));
    EXPECT_EQ(main.computer.green.fillColor, LG);
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    EXPECT_FALSE(main.proSequencer.enabled());
}

TEST_F(Sequencer, TheClockAddsAThousandthPerDeliveredTickAndRunsOnPastTheGreens) {
    const auto t0 = stageAndHandOver();
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650);  // still through the walk
    clock.advanceTo(t0 + 2000);                            // ticks are 55 ms apart on this clock
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650 + 36 * 10);
    clock.advanceTo(t0 + 5500);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650 + 100 * 10);
    EXPECT_TRUE(main.reactionClockTicker.enabled());
}

TEST_F(Sequencer, AStandardTickActsOnTheFirstMatchingRowOnly) {
    main.playerSequencer.setEnabled(true);
    // Rows 2 and 4 both match: row 2 acts.
    main.player.topAmber.fillColor = LA;
    main.player.bottomAmber.fillColor = LA;
    main.playerSequencerTick();
    EXPECT_EQ(lamps(main.player), (Lamps{DA, LA, LA, DG, DR}));
    main.playerSequencerTick();  // row 3
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, LA, DG, DR}));
    EXPECT_TRUE(main.playerSequencer.enabled());
    main.playerSequencerTick();  // row 4
    EXPECT_EQ(lamps(main.player), (Lamps{DA, DA, DA, LG, DR}));
    EXPECT_FALSE(main.playerSequencer.enabled());
}

TEST_F(Sequencer, ATickWhoseLampsMatchNoRowDoesNothingAndKeepsItsTimer) {
    main.playerSequencer.setEnabled(true);
    main.computerSequencer.setEnabled(true);
    main.player.middleAmber.fillColor = LR;  // neither dim nor lit amber
    main.computer.middleAmber.fillColor = LR;
    main.computer.timeDisplay.text = "untouched";
    main.playerSequencerTick();
    main.computerSequencerTick();
    EXPECT_EQ(lamps(main.player), (Lamps{DA, LR, DA, DG, DR}));
    EXPECT_EQ(lamps(main.computer), (Lamps{DA, LR, DA, DG, DR}));
    EXPECT_EQ(main.computer.timeDisplay.text, "untouched");
    EXPECT_EQ(running(), (Names{"player", "computer"}));
}

// The Standard computer lane draws only when all its ambers are dim; the Pro Tree whenever its
// first computer amber is not lit, whatever the others show.
TEST_F(Sequencer, EachTreeDrawsTheComputerTimeOnlyOnItsFirstStep) {
    main.computerFastest = ShortInt::from(496);
    main.computerSlowest = ShortInt::from(512);
    main.computer.middleAmber.fillColor = LA;
    const float next = peekNextDraw();
    main.computerSequencerTick();  // row 3: no draw
    EXPECT_EQ(main.computer.bottomAmber.fillColor, LA);
    EXPECT_EQ(main.computer.timeDisplay.text, "Computer");
    EXPECT_EQ(peekNextDraw(), next);

    chooseProTree();
    main.proSequencer.setEnabled(true);
    main.proSequencerTick();
    EXPECT_EQ(lamps(main.computer), (Lamps{LA, LA, LA, DG, DR}));
    EXPECT_EQ(main.computer.timeDisplay.text.size(), 4u);
    EXPECT_NE(peekNextDraw(), next);
    EXPECT_FALSE(main.computer.timeDisplay.visible);
    EXPECT_TRUE(main.proSequencer.enabled());
}

// The random source is never seeded, so a fresh window's races draw these times in every run.
TEST_F(Sequencer, AFreshWindowDrawsTheSameComputerTimesInEveryRun) {
    std::vector<std::string> times;
    for (int level = 1; level <= 5; ++level) {
        chooseLevel(level);
        main.proTreeOption.value = level % 2;
        main.standardTreeOption.value = 1 - level % 2;
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 2000);
        setClock(9000);  // far above any computer time: never a tie
        release();
        times.push_back(main.computer.timeDisplay.text);
    }
    EXPECT_EQ(times, (std::vector<std::string>{".398", ".513", ".398", ".500", ".403"}));
}

}  // namespace
}  // namespace korvane::testing
