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
    const std::vector<Control*> player = {&main.Shape1, &main.Shape2, &main.Shape3};
    const std::vector<Control*> computer = {&main.Shape10, &main.Shape9, &main.Shape8};
    const std::vector<std::pair<int, std::vector<Colour>>> steps = {
        {499, {D, D, D}},  {500, {A, D, D}},  {999, {A, D, D}},
        {1000, {D, A, D}}, {1500, {D, D, A}}, {1999, {D, D, A}}};
    for (const auto& [at, lit] : steps) {
        clock.advanceTo(t0 + at);
        EXPECT_EQ(coloursOf(player), lit) << at;
        EXPECT_EQ(coloursOf(computer), lit) << at;
        EXPECT_EQ(main.Shape4.fillColor, colour::kDimGreen) << at;
        EXPECT_EQ(main.Shape7.fillColor, colour::kDimGreen) << at;
    }
    main.Text2.text = ".505";
    clock.advanceTo(t0 + 2000);
    EXPECT_EQ(coloursOf(player), (std::vector<Colour>{D, D, D}));
    EXPECT_EQ(coloursOf(computer), (std::vector<Colour>{D, D, D}));
    EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.Shape7.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.Shape6.fillColor, colour::kDimRed);
    EXPECT_FALSE(main.Image2.visible);
    EXPECT_TRUE(main.Text2.visible);
    EXPECT_FALSE(main.Timer1.enabled());
    EXPECT_FALSE(main.Timer2.enabled());
    EXPECT_TRUE(main.Timer5.enabled());
    EXPECT_TRUE(surface.log.empty());  // the Standard Tree asks for no immediate repaint
}

TEST_F(Sequencer, TheProTreeLightsAllSixAmbersThenBothGreens) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    const std::vector<Control*> ambers = {&main.Shape10, &main.Shape1, &main.Shape9,
                                          &main.Shape2,  &main.Shape8, &main.Shape3};
    clock.advanceTo(t0 + 399);
    EXPECT_EQ(coloursOf(ambers), std::vector<Colour>(6, D));
    clock.advanceTo(t0 + 400);
    EXPECT_EQ(coloursOf(ambers), std::vector<Colour>(6, A));
    EXPECT_FALSE(main.Text2.visible);
    EXPECT_FALSE(main.Text2.text.empty());
    clock.advanceTo(t0 + 799);
    EXPECT_EQ(main.Shape4.fillColor, colour::kDimGreen);
    main.Text2.text = ".405";
    clock.advanceTo(t0 + 800);
    EXPECT_EQ(coloursOf(ambers), std::vector<Colour>(6, D));
    EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen);
    EXPECT_EQ(main.Shape7.fillColor, colour::kLitGreen);
    EXPECT_TRUE(main.Text2.visible);
    EXPECT_FALSE(main.Timer3.enabled());
    EXPECT_TRUE(main.Timer5.enabled());
    EXPECT_EQ(surface.log, std::vector<std::string>{"window"});
}

TEST_F(Sequencer, TheComputerTimeWaitsHiddenFromTheDrawUntilTheLastStep) {
    const float r = peekNextDraw();
    const auto t0 = stageAndHandOver();
    EXPECT_EQ(main.Text2.text, "");
    EXPECT_TRUE(main.Text2.visible);  // before the draw the cleared display is on show
    clock.advanceTo(t0 + 500);
    EXPECT_EQ(main.Text2.text, computerTimeText(drawComputerTime(main.mhreact, main.mlreact, r)));
    for (int at : {500, 1000, 1500, 1999}) {
        clock.advanceTo(t0 + at);
        EXPECT_FALSE(main.Text2.visible) << at;
    }
    clock.advanceTo(t0 + 2000);
    EXPECT_TRUE(main.Text2.visible);
}

TEST_F(Sequencer, TheStandardComputerRedLightsBelowHalfASecondOnly) {
    for (const auto& [text, red] : std::vector<std::pair<std::string, bool>>{
             {".499", true}, {".500", false}, {".5", false}}) {
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 500);
        main.Text2.text = text;
        clock.advanceTo(t0 + 2000);
        EXPECT_EQ(main.Shape6.fillColor, red ? colour::kLitRed : colour::kDimRed) << text;
        EXPECT_EQ(main.Shape7.fillColor, red ? colour::kDimGreen : colour::kLitGreen) << text;
        EXPECT_EQ(main.Image2.visible, red) << text;
        // A Standard red light leaves the last amber lit beside it.
        EXPECT_EQ(main.Shape8.fillColor, red ? A : D) << text;
        EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen) << text;  // the player lane goes on
        EXPECT_FALSE(main.Timer2.enabled()) << text;
        release();
    }
}

TEST_F(Sequencer, TheProComputerRedLightsBelowFourTenthsAndLeavesEveryAmberDim) {
    chooseProTree();
    for (const auto& [text, red] :
         std::vector<std::pair<std::string, bool>>{{".399", true}, {".400", false}}) {
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 400);
        main.Text2.text = text;
        main.Timer2.setEnabled(true);  // a Standard computer lane left running is stopped too
        clock.advanceTo(t0 + 800);
        EXPECT_EQ(main.Shape6.fillColor, red ? colour::kLitRed : colour::kDimRed) << text;
        EXPECT_EQ(main.Shape7.fillColor, red ? colour::kDimGreen : colour::kLitGreen) << text;
        EXPECT_EQ(main.Image2.visible, red) << text;
        for (Control* amber : {&main.Shape10, &main.Shape9, &main.Shape8}) {
            EXPECT_EQ(amber->fillColor, D) << text << amber->name;
        }
        EXPECT_EQ(main.Timer2.enabled(), !red) << text;
        EXPECT_FALSE(main.Timer3.enabled()) << text;
        main.Timer2.setEnabled(false);
        release();
    }
}

TEST_F(Sequencer, AProPlayerAlreadyOnRedGetsNoGreenWhileTheComputerLaneCompletes) {
    chooseProTree();
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 400);
    main.Text2.text = ".402";
    main.Shape5.fillColor = colour::kLitRed;
    clock.advanceTo(t0 + 800);
    EXPECT_EQ(main.Shape4.fillColor, colour::kDimGreen);
    EXPECT_EQ(main.Shape5.fillColor, colour::kLitRed);
    EXPECT_EQ(main.Shape7.fillColor, colour::kLitGreen);
    EXPECT_TRUE(main.Text2.visible);
    EXPECT_FALSE(main.Timer3.enabled());
}

TEST_F(Sequencer, TheClockAddsAThousandthPerDeliveredTickAndRunsOnPastTheGreens) {
    const auto t0 = stageAndHandOver();
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650);  // still through the walk
    clock.advanceTo(t0 + 2000);                    // ticks are 55 ms apart on this clock
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650 + 36 * 10);
    clock.advanceTo(t0 + 5500);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650 + 100 * 10);
    EXPECT_TRUE(main.Timer5.enabled());
}

TEST_F(Sequencer, AStandardTickActsOnTheFirstMatchingRowOnly) {
    main.Timer1.setEnabled(true);
    // Rows 2 and 4 both match: row 2 acts.
    main.Shape1.fillColor = A;
    main.Shape3.fillColor = A;
    main.Timer1_Timer();
    EXPECT_EQ(coloursOf({&main.Shape1, &main.Shape2, &main.Shape3}),
              (std::vector<Colour>{D, A, A}));
    main.Timer1_Timer();  // row 3
    EXPECT_EQ(coloursOf({&main.Shape1, &main.Shape2, &main.Shape3}),
              (std::vector<Colour>{D, D, A}));
    EXPECT_TRUE(main.Timer1.enabled());
    main.Timer1_Timer();  // row 4
    EXPECT_EQ(main.Shape4.fillColor, colour::kLitGreen);
    EXPECT_FALSE(main.Timer1.enabled());
}

TEST_F(Sequencer, ATickWhoseLampsMatchNoRowDoesNothingAndKeepsItsTimer) {
    main.Timer1.setEnabled(true);
    main.Timer2.setEnabled(true);
    main.Shape2.fillColor = colour::kLitRed;  // neither dim nor lit amber
    main.Shape9.fillColor = colour::kLitRed;
    main.Text2.text = "untouched";
    const std::vector<Control*> lamps = {&main.Shape1, &main.Shape2, &main.Shape3, &main.Shape4,
                                         &main.Shape5, &main.Shape6, &main.Shape7, &main.Shape8,
                                         &main.Shape9, &main.Shape10};
    const auto before = coloursOf(lamps);
    main.Timer1_Timer();
    main.Timer2_Timer();
    EXPECT_EQ(coloursOf(lamps), before);
    EXPECT_EQ(main.Text2.text, "untouched");
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_TRUE(main.Timer2.enabled());
}

TEST_F(Sequencer, TheComputerLaneDrawsOnlyWhenAllItsAmbersAreDim) {
    main.mhreact = ShortInt::from(496);
    main.mlreact = ShortInt::from(512);
    main.Timer2.setEnabled(true);
    main.Shape9.fillColor = A;
    const float next = peekNextDraw();
    main.Timer2_Timer();  // row 3: no draw
    EXPECT_EQ(main.Shape8.fillColor, A);
    EXPECT_EQ(main.Text2.text, "Computer");
    EXPECT_EQ(peekNextDraw(), next);
}

TEST_F(Sequencer, TheProTickDrawsWheneverItsFirstComputerAmberIsNotLit) {
    chooseProTree();
    main.mhreact = ShortInt::from(396);
    main.mlreact = ShortInt::from(412);
    main.Timer3.setEnabled(true);
    main.Shape8.fillColor = A;  // only Shape10 decides the row
    main.Timer3_Timer();
    EXPECT_EQ(main.Shape10.fillColor, A);
    EXPECT_EQ(main.Text2.text.size(), 4u);
    EXPECT_FALSE(main.Text2.visible);
    EXPECT_TRUE(main.Timer3.enabled());
}

// A whole race window of its own, with its own random source, raced from outside.
struct SeparateWindow : RaceTest {
    void TestBody() override {}
    std::string race(int level, bool pro) {
        chooseLevel(level);
        main.Tree[1].value = pro ? 1 : 0;
        main.Tree[2].value = pro ? 0 : 1;
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + 2000);
        setClock(9000);  // far above any computer time: never a tie
        release();
        return main.Text2.text;
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
