#include <gtest/gtest.h>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

using SetupPanel = RaceTest;

void expectOpen(const Main& m, bool open) {
    EXPECT_EQ(m.Frame1.visible, open);
    EXPECT_EQ(m.Shape11.visible, open);
    EXPECT_EQ(m.Command3.caption, open ? "Done" : "Setup");
    EXPECT_EQ(m.Command3.backColor, open ? colour::kYellow : colour::kBlue);
}

TEST_F(SetupPanel, EachClickOpensOrClosesThePanelAndTheButtonSaysWhatComesNext) {
    main.Command3_Click();
    expectOpen(main, true);
    main.Command3_Click();
    expectOpen(main, false);
    main.Command3_Click();
    expectOpen(main, true);
}

TEST_F(SetupPanel, OnlyTheFramesVisibilityDecidesAndBothBranchesSetEverything) {
    main.Shape11.visible = true;
    main.Command3.caption = "Done";
    main.Command3.backColor = colour::kYellow;
    main.Command3_Click();  // the frame is hidden, so this opens
    expectOpen(main, true);
    main.Shape11.visible = false;
    main.Command3.caption = "Setup";
    main.Command3_Click();  // the frame is shown, so this closes
    expectOpen(main, false);
}

TEST_F(SetupPanel, TheToggleLeavesARunningRaceAlone) {
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 1000);
    const auto lamps = {&main.Shape1, &main.Shape2, &main.Shape3, &main.Shape4, &main.Shape5,
                        &main.Shape6, &main.Shape7, &main.Shape8, &main.Shape9, &main.Shape10};
    std::vector<Colour> before;
    for (const Control* lamp : lamps) before.push_back(lamp->fillColor);
    const auto clockValue = main.RTVAL;
    main.Command3_Click();
    main.Command3_Click();
    std::vector<Colour> after;
    for (const Control* lamp : lamps) after.push_back(lamp->fillColor);
    EXPECT_EQ(after, before);
    EXPECT_EQ(main.RTVAL, clockValue);
    EXPECT_TRUE(main.Timer1.enabled());
    EXPECT_TRUE(main.Timer2.enabled());
    EXPECT_TRUE(main.Timer5.enabled());
    EXPECT_EQ(main.mhreact.value(), 496);
    EXPECT_EQ(main.Level[3].value, 1);
    EXPECT_TRUE(surface.log.empty());
}

}  // namespace
}  // namespace korvane::testing
