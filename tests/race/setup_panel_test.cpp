#include <gtest/gtest.h>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

using SetupPanel = RaceTest;

void expectOpen(const Main& m, bool open) {
    EXPECT_EQ(m.setupPanel.visible, open);
    EXPECT_EQ(m.setupBackdrop.visible, open);
    EXPECT_EQ(m.setupButton.caption, open ? "Done" : "Setup");
    EXPECT_EQ(m.setupButton.backColor, open ? colour::kYellow : colour::kBlue);
}

TEST_F(SetupPanel, EachClickOpensOrClosesThePanelAndTheButtonSaysWhatComesNext) {
    main.setupButtonClicked();
    expectOpen(main, true);
    main.setupButtonClicked();
    expectOpen(main, false);
    main.setupButtonClicked();
    expectOpen(main, true);
}

TEST_F(SetupPanel, OnlyTheFramesVisibilityDecidesAndBothBranchesSetEverything) {
    main.setupBackdrop.visible = true;
    main.setupButton.caption = "Done";
    main.setupButton.backColor = colour::kYellow;
    main.setupButtonClicked();  // the frame is hidden, so this opens
    expectOpen(main, true);
    main.setupBackdrop.visible = false;
    main.setupButton.caption = "Setup";
    main.setupButtonClicked();  // the frame is shown, so this closes
    expectOpen(main, false);
}

TEST_F(SetupPanel, TheToggleLeavesARunningRaceAlone) {
    const auto t0 = stageAndHandOver();
    clock.advanceTo(t0 + 1000);
    const auto lamps = {&main.player.topAmber,      &main.player.middleAmber,
                        &main.player.bottomAmber,   &main.player.green,
                        &main.player.red,           &main.computer.red,
                        &main.computer.green,       &main.computer.bottomAmber,
                        &main.computer.middleAmber, &main.computer.topAmber};
    std::vector<Colour> before;
    for (const Control* lamp : lamps) before.push_back(lamp->fillColor);
    const auto clockValue = main.reactionClock;
    main.setupButtonClicked();
    main.setupButtonClicked();
    std::vector<Colour> after;
    for (const Control* lamp : lamps) after.push_back(lamp->fillColor);
    EXPECT_EQ(after, before);
    EXPECT_EQ(main.reactionClock, clockValue);
    EXPECT_TRUE(main.playerSequencer.enabled());
    EXPECT_TRUE(main.computerSequencer.enabled());
    EXPECT_TRUE(main.reactionClockTicker.enabled());
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_EQ(main.levelOptions[3].value, 1);
    EXPECT_TRUE(surface.log.empty());
}

}  // namespace
}  // namespace korvane::testing
