#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "race/computer_time.h"
#include "race_fixture.h"

namespace korvane::testing {
namespace {

using Sequencer = RaceTest;

std::vector<Colour> coloursOf(const std::vector<Control*>& lamps) {
    std::vector<Colour> colours;
    for (const Control* lamp : lamps) colours.push_back(lamp->fillColor);
    return colours;
}

constexpr Colour D = colour::kDimAmber;
constexpr Colour A = colour::kLitAmber;

TEST_F(Sequencer, TheStandardTreeStepsBothLanesEveryHalfSecondToTheGreens) {
    const auto t0 = stageAndHandOver();
    const std::vector<Control*> player = {&main.player.topAmber, &main.player.middleAmber,
                                          &main.player.bottomAmber};
    const std::vector<Control*> computer = {&main.computer.topAmber, &main.computer.middleAmber,
                                            &main.computer.bottomAmber};
    const std::vector<std::pair<int, std::vector<Colour>>> steps = {
        {499, {D, D, D}},  {500, {A, D, D}},  {999, {A, D, D}},
        {1000, {D, A, D}}, {1500, {D, D, A}}, {1999, {D, D, A}}};
    for (const auto& [at, lit] : steps) {
        clock.advanceTo(t0 + at);
        EXPECT_EQ(coloursOf(player), lit) << at;
        EXPECT_EQ(coloursOf(computer), lit) << at;
        EXPECT_EQ(main.player.green.fillColor, colour::kDimGreen) << at;
        EXPECT_EQ(main.computer.green.fillColor, colour::kDimGreen) << at;
    }
    main.computer.timeDisplay.text = ".505";
    clock.advanceTo(t0 + 2000);
    EXPECT_EQ(coloursOf(player), (std::vector<Colour>{D, D, D}));
    EXPECT_EQ(coloursOf(computer), (std::vector<Colour>{D, D, D}));
    EXPECT_EQ(main.player.green.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.computer.green.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.computer.red.fillColor, colour::kDimRed);
    EXPECT_FALSE(main.computer.redLightPicture.visible);
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    EXPECT_FALSE(main.playerSequencer.enabled());
    EXPECT_FALSE(main.computerSequencer.enabled());
    EXPECT_TRUE(main.reactionClockTicker.enabled());
    EXPECT_TRUE(surface.log.empty());  // the Standard Tree asks for no immediate repaint
}

TEST_F(Sequencer, TheProTreeLightsAllSixAmbersThenBothGreens) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    const std::vector<Control*> ambers = {&main.computer.topAmber,    &main.player.topAmber,
                                          &main.computer.middleAmber, &main.player.middleAmber,
                                          &main.computer.bottomAmber, &main.player.bottomAmber};
    clock.advanceTo(t0 + 399);
    EXPECT_EQ(coloursOf(ambers), std::vector<Colour>(6, D));
    clock.advanceTo(t0 + 400);
    EXPECT_EQ(coloursOf(ambers), std::vector<Colour>(6, A));
    EXPECT_FALSE(main.computer.timeDisplay.visible);
    EXPECT_FALSE(main.computer.timeDisplay.text.empty());
    clock.advanceTo(t0 + 799);
    EXPECT_EQ(main.player.green.fillColor, colour::kDimGreen);
    main.computer.timeDisplay.text = ".405";
    clock.advanceTo(t0 + 800);
    EXPECT_EQ(coloursOf(ambers), std::vector<Colour>(6, D));
    EXPECT_EQ(main.player.green.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.computer.green.fillColor, colour::kLitGreen);
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    EXPECT_FALSE(main.proSequencer.enabled());
    EXPECT_TRUE(main.reactionClockTicker.enabled());
    EXPECT_EQ(surface.log, std::vector<std::string>{"window"});
}

TEST_F(Sequencer, TheComputerTimeWaitsHiddenFromTheDrawUntilTheLastStep) {
    const float r = peekNextDraw();
    const auto t0 = stageAndHandOver();
    EXPECT_EQ(main.computer.timeDisplay.text, "");
    EXPECT_TRUE(
        main.computer.timeDisplay.visible);  // before the draw the cleared display is on show
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

TEST_F(Sequencer, TheStandardComputerRedLightsBelowHalfASecondOnly) {
    for (const auto& [text, red] : std::vector<std::pair<std::string, bool>>{
             {".499", true}, {".500", false}, {".5", false}}) {
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 500);
        main.computer.timeDisplay.text = text;
        clock.advanceTo(t0 + 2000);
        EXPECT_EQ(main.computer.red.fillColor, red ? colour::kLitRed : colour::kDimRed) << text;
        EXPECT_EQ(main.computer.green.fillColor, red ? colour::kDimGreen : colour::kLitGreen)
            << text;
        EXPECT_EQ(main.computer.redLightPicture.visible, red) << text;
        // A Standard red light leaves the last amber lit beside it.
        EXPECT_EQ(main.computer.bottomAmber.fillColor, red ? A : D) << text;
        EXPECT_EQ(main.player.green.fillColor, colour::kLitGreen)
            << text;  // the player lane goes on
        EXPECT_FALSE(main.computerSequencer.enabled()) << text;
        release();
    }
}

TEST_F(Sequencer, TheProComputerRedLightsBelowFourTenthsAndLeavesEveryAmberDim) {
    chooseProTree();
    for (const auto& [text, red] :
         std::vector<std::pair<std::string, bool>>{{".399", true}, {".400", false}}) {
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 400);
        main.computer.timeDisplay.text = text;
        main.computerSequencer.setEnabled(
            true);  // a Standard computer lane left running is stopped too
        clock.advanceTo(t0 + 800);
        EXPECT_EQ(main.computer.red.fillColor, red ? colour::kLitRed : colour::kDimRed) << text;
        EXPECT_EQ(main.computer.green.fillColor, red ? colour::kDimGreen : colour::kLitGreen)
            << text;
        EXPECT_EQ(main.computer.redLightPicture.visible, red) << text;
        for (Control* amber :
             {&main.computer.topAmber, &main.computer.middleAmber, &main.computer.bottomAmber}) {
            EXPECT_EQ(amber->fillColor, D) << text << amber->name;
        }
        EXPECT_EQ(main.computerSequencer.enabled(), !red) << text;
        EXPECT_FALSE(main.proSequencer.enabled()) << text;
        main.computerSequencer.setEnabled(false);
        release();
    }
}

TEST_F(Sequencer, AProPlayerAlreadyOnRedGetsNoGreenWhileTheComputerLaneCompletes) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 400);
    main.computer.timeDisplay.text = ".402";
    main.player.red.fillColor = colour::kLitRed;
    clock.advanceTo(t0 + 800);
    EXPECT_EQ(main.player.green.fillColor, colour::kDimGreen);
    EXPECT_EQ(main.player.red.fillColor, colour::kLitRed);
    EXPECT_EQ(main.computer.green.fillColor, colour::kLitGreen);
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
    main.player.topAmber.fillColor = A;
    main.player.bottomAmber.fillColor = A;
    main.playerSequencerTick();
    EXPECT_EQ(
        coloursOf({&main.player.topAmber, &main.player.middleAmber, &main.player.bottomAmber}),
        (std::vector<Colour>{D, A, A}));
    main.playerSequencerTick();  // row 3
    EXPECT_EQ(
        coloursOf({&main.player.topAmber, &main.player.middleAmber, &main.player.bottomAmber}),
        (std::vector<Colour>{D, D, A}));
    EXPECT_TRUE(main.playerSequencer.enabled());
    main.playerSequencerTick();  // row 4
    EXPECT_EQ(main.player.green.fillColor, colour::kLitGreen);
    EXPECT_FALSE(main.playerSequencer.enabled());
}

TEST_F(Sequencer, ATickWhoseLampsMatchNoRowDoesNothingAndKeepsItsTimer) {
    main.playerSequencer.setEnabled(true);
    main.computerSequencer.setEnabled(true);
    main.player.middleAmber.fillColor = colour::kLitRed;  // neither dim nor lit amber
    main.computer.middleAmber.fillColor = colour::kLitRed;
    main.computer.timeDisplay.text = "untouched";
    const std::vector<Control*> lamps = {&main.player.topAmber,      &main.player.middleAmber,
                                         &main.player.bottomAmber,   &main.player.green,
                                         &main.player.red,           &main.computer.red,
                                         &main.computer.green,       &main.computer.bottomAmber,
                                         &main.computer.middleAmber, &main.computer.topAmber};
    const auto before = coloursOf(lamps);
    main.playerSequencerTick();
    main.computerSequencerTick();
    EXPECT_EQ(coloursOf(lamps), before);
    EXPECT_EQ(main.computer.timeDisplay.text, "untouched");
    EXPECT_TRUE(main.playerSequencer.enabled());
    EXPECT_TRUE(main.computerSequencer.enabled());
}

TEST_F(Sequencer, TheComputerLaneDrawsOnlyWhenAllItsAmbersAreDim) {
    main.computerFastest = ShortInt::from(496);
    main.computerSlowest = ShortInt::from(512);
    main.computerSequencer.setEnabled(true);
    main.computer.middleAmber.fillColor = A;
    const float next = peekNextDraw();
    main.computerSequencerTick();  // row 3: no draw
    EXPECT_EQ(main.computer.bottomAmber.fillColor, A);
    EXPECT_EQ(main.computer.timeDisplay.text, "Computer");
    EXPECT_EQ(peekNextDraw(), next);
}

TEST_F(Sequencer, TheProTickDrawsWheneverItsFirstComputerAmberIsNotLit) {
    chooseProTree();
    main.computerFastest = ShortInt::from(396);
    main.computerSlowest = ShortInt::from(412);
    main.proSequencer.setEnabled(true);
    main.computer.bottomAmber.fillColor = A;  // only the top amber decides the row
    main.proSequencerTick();
    EXPECT_EQ(main.computer.topAmber.fillColor, A);
    EXPECT_EQ(main.computer.timeDisplay.text.size(), 4u);
    EXPECT_FALSE(main.computer.timeDisplay.visible);
    EXPECT_TRUE(main.proSequencer.enabled());
}

// A whole race window of its own, with its own random source, raced from outside.
struct SeparateWindow : RaceTest {
    void TestBody() override {}
    std::string race(int level, bool pro) {
        chooseLevel(level);
        main.proTreeOption.value = pro ? 1 : 0;
        main.standardTreeOption.value = pro ? 0 : 1;
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 2000);
        setClock(9000);  // far above any computer time: never a tie
        release();
        return main.computer.timeDisplay.text;
    }
};

TEST(ComputerOpponent, RacesWithTheSameSettingsDrawTheSameComputerTimesInEveryRun) {
    SeparateWindow first, second;
    std::vector<std::string> firstTimes, secondTimes;
    for (int i = 0; i < 20; ++i) {
        const int level = 1 + i % 5;
        const bool pro = i % 3 == 0;
        firstTimes.push_back(first.race(level, pro));
        secondTimes.push_back(second.race(level, pro));
    }
    EXPECT_EQ(firstTimes, secondTimes);
    std::set<std::string> distinct(firstTimes.begin(), firstTimes.end());
    EXPECT_GT(distinct.size(), 5u);  // real draws, not one value repeated
}

}  // namespace
}  // namespace korvane::testing
