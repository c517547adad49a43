#include "race/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

using RaceWindowAtStart = RaceTest;

TEST_F(RaceWindowAtStart, OpensWithDimLampsBlankIndicatorsAndHiddenResults) {
    for (const Lane* lane : {&main.player, &main.computer}) {
        EXPECT_EQ(lamps(*lane), (Lamps{DA, DA, DA, DG, DR}));
        EXPECT_FALSE(lane->winnerFlag.visible);
        EXPECT_FALSE(lane->redLightPicture.visible);
        EXPECT_EQ(lane->winCountDisplay.text, "0");
    }
    for (const Control* indicator : {&main.preStage, &main.staged}) {
        EXPECT_EQ(indicator->caption, "");
        EXPECT_EQ(indicator->backColor, colour::kWhite);
    }
    EXPECT_EQ(main.computer.timeDisplay.text, "Computer");
    EXPECT_EQ(main.player.timeDisplay.text, "Player");
    EXPECT_FALSE(main.setupPanel.visible);
    EXPECT_FALSE(main.setupBackdrop.visible);
    EXPECT_EQ(main.raceButton.caption, "Stage (Down)");
    EXPECT_EQ(main.raceButton.backColor, colour::kDarkGreen);
    EXPECT_EQ(main.setupButton.caption, "Setup");
    EXPECT_EQ(main.setupButton.backColor, colour::kBlue);
    EXPECT_EQ(main.quitButton.backColor, colour::kRed);
}

TEST(MainForm, SettingsStartAtNormalStandardTreeRollOut465AndSoundOn) {
    const MainForm form;
    EXPECT_EQ(form.Tree[1].caption, "Pro Tree");
    EXPECT_EQ(form.Tree[1].value, 0);
    EXPECT_EQ(form.Tree[2].caption, "Standard Tree");
    EXPECT_EQ(form.Tree[2].value, 1);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(form.Level[i].value, i == 3 ? 1 : 0);
    EXPECT_EQ(form.Level[3].caption, "Normal");
    EXPECT_EQ(form.RollOut.value, 465);
    EXPECT_EQ(form.Check1.value, 0);
    EXPECT_EQ(form.Label3.caption,
              "Less" + std::string(13, ' ') + "<Rollout>" + std::string(13, ' ') + "More");
}

TEST(MainForm, LampsPostAndPicturesDoNotOverlap) {
    const MainForm form;
    auto overlaps = [](const Control* a, const Control* b) {
        return a->rect.left < b->rect.left + b->rect.width &&
               b->rect.left < a->rect.left + a->rect.width &&
               a->rect.top < b->rect.top + b->rect.height &&
               b->rect.top < a->rect.top + a->rect.height;
    };
    const std::vector<const Control*> pieces = {
        &form.Shape1,  &form.Shape2, &form.Shape3, &form.Shape4, &form.Shape5,
        &form.Shape6,  &form.Shape7, &form.Shape8, &form.Shape9, &form.Shape10,
        &form.Shape13, &form.Image1, &form.Image2, &form.Text1,  &form.Text2};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (std::size_t j = i + 1; j < pieces.size(); ++j) {
            EXPECT_FALSE(overlaps(pieces[i], pieces[j]))
                << pieces[i]->name << " " << pieces[j]->name;
        }
    }
}

TEST(MainForm, TabOrderLeavesOnlyButtonsOptionsCheckAndScrollBarFocusable) {
    MainForm form;
    std::set<int> indices;
    const Control* firstFocus = nullptr;
    for (const Control* c : form.controls()) {
        if (c->tabIndex >= 0) {
            EXPECT_TRUE(indices.insert(c->tabIndex).second) << c->name;
        }
        const bool focusable =
            c->kind == ControlKind::CommandButton || c->kind == ControlKind::OptionButton ||
            c->kind == ControlKind::CheckBox || c->kind == ControlKind::HScrollBar;
        EXPECT_EQ(c->tabStop, focusable) << c->displayName();
        if (c->tabStop && (!firstFocus || c->tabIndex < firstFocus->tabIndex)) firstFocus = c;
    }
    EXPECT_EQ(indices.size(), 25u);
    EXPECT_EQ(firstFocus, &form.Command1);
}

TEST(MainForm, SetupControlsLieInTheirFrames) {
    MainForm form;
    EXPECT_EQ(form.Tree[1].container, &form.Frame2);
    EXPECT_EQ(form.Tree[2].container, &form.Frame2);
    EXPECT_EQ(form.Frame2.container, &form.Frame1);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(form.Level[i].container, &form.Frame1);
    for (const Control* c : {&form.Check1, &form.RollOut, &form.Image4, &form.Label3, &form.Line1,
                             &form.Shape12, &form.Shape14}) {
        EXPECT_EQ(c->container, &form.Frame1) << c->name;
    }
    EXPECT_EQ(form.Shape11.container, nullptr);
    EXPECT_EQ(form.Level[4].displayName(), "Level(4)");
}

}  // namespace
}  // namespace korvane::testing
