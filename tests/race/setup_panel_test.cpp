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

// Only the frame's visibility decides; the backdrop, caption and colour are set either way.
TEST_F(SetupPanel, AClickOpensAHiddenFrameAndClosesAShownOneWhateverTheRestShows) {
    for (const bool shown : {false, true}) {
        main.setupPanel.visible = shown;
        main.setupBackdrop.visible = !shown;
        main.setupButton.caption = shown ? "Setup" : "Done";
        main.setupButton.backColor = shown ? colour::kBlue : colour::kYellow;
        main.setupButtonClicked();
        expectOpen(main, !shown);
    }
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
