#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "race/computer_time.h"
#include "race_window_fixture.h"
#include "ui/kit/control_geometry.h"

namespace korvane::testing {
namespace {

using ui::pixelRect;

class SetupPanelOnScreen : public RaceWindowTest {
  protected:
    void clickSetupButton() { QTest::mouseClick(widget(main.setupButton), Qt::LeftButton); }
    QPushButton* setupButton() { return static_cast<QPushButton*>(widget(main.setupButton)); }
    void clickOption(const Control& option) {
        QTest::mouseClick(widget(option), Qt::LeftButton, {}, QPoint(5, 8));
    }
    QColor setupButtonFace() {
        return pixelAt(pixelRect(main.setupButton.rect).topLeft() + QPoint(6, 6));
    }
    // The backdrop's rectangle in window pixels: its one-pixel outline runs along the edges.
    QRect backdrop() const { return pixelRect(main.setupBackdrop.rect); }
};

TEST_F(SetupPanelOnScreen, TheSetupButtonShowsTheFrameInsideItsOutlinedBlueBackdropAndHidesBoth) {
    const QImage closed = window.grab().toImage();
    clickSetupButton();
    EXPECT_TRUE(main.setupPanel.visible);
    EXPECT_TRUE(main.setupBackdrop.visible);
    EXPECT_TRUE(widget(main.setupPanel)->isVisible());
    EXPECT_EQ(setupButton()->text(), "Done");
    EXPECT_EQ(setupButtonFace(), QColor(255, 255, 0));

    const QImage open = window.grab().toImage();
    const QRect b = backdrop();
    const QColor cyan(0, 255, 255), blue(0, 0, 255);
    // The outline on all four sides, and the blue margin just inside it on each side.
    EXPECT_EQ(open.pixelColor(b.left(), b.center().y()), cyan);
    EXPECT_EQ(open.pixelColor(b.right(), b.center().y()), cyan);
    EXPECT_EQ(open.pixelColor(b.center().x(), b.top()), cyan);
    EXPECT_EQ(open.pixelColor(b.center().x(), b.bottom()), cyan);
    EXPECT_EQ(open.pixelColor(b.left() + 5, b.center().y()), blue);
    EXPECT_EQ(open.pixelColor(b.right() - 5, b.center().y()), blue);
    EXPECT_EQ(open.pixelColor(b.center().x(), b.top() + 3), blue);
    EXPECT_EQ(open.pixelColor(b.center().x(), b.bottom() - 5), blue);
    // The frame lies over the middle of the backdrop.
    EXPECT_NE(open.pixelColor(b.center()), blue);

    clickSetupButton();
    EXPECT_FALSE(main.setupPanel.visible);
    EXPECT_FALSE(main.setupBackdrop.visible);
    EXPECT_TRUE(widget(main.setupPanel)->isHidden());
    EXPECT_EQ(setupButton()->text(), "Setup");
    EXPECT_EQ(setupButtonFace(), QColor(0, 0, 255));
    // The scene under the panel is back as it was before it opened.
    const QImage reclosed = window.grab().toImage();
    EXPECT_EQ(reclosed.copy(b), closed.copy(b));
}

// ---- Settings changed through the panel's widgets

class SettingsThroughThePanel : public SetupPanelOnScreen {
  protected:
    SettingsThroughThePanel() { clickSetupButton(); }

    // A click on one of the roll-out bar's arrows, wherever the style draws it.
    void clickRollOutArrow(QStyle::SubControl arrow) {
        auto* bar = static_cast<QScrollBar*>(widget(main.rollOut));
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.subControls = QStyle::SC_All;
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
        ASSERT_FALSE(rect.isEmpty());
        QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
    }
    void pressRaceButton() {
        QTest::mousePress(widget(main.raceButton), Qt::LeftButton, {}, QPoint(30, 20));
    }
    void releaseRaceButton() {
        QTest::mouseRelease(widget(main.raceButton), Qt::LeftButton, {}, QPoint(30, 20));
    }
};

TEST_F(SettingsThroughThePanel, ProTreeLevelAndRollOutClickedOnThePanelFeedTheNextStagePress) {
    clickOption(main.proTreeOption);
    clickOption(main.levelOptions[5]);
    clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    clickRollOutArrow(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(main.rollOut.value, 467);

    pressRaceButton();
    // Level 5 on the Pro Tree, and the roll-out two steps up.
    EXPECT_EQ(main.computerFastest.value(), 400);
    EXPECT_EQ(main.computerSlowest.value(), 404);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4670);
    releaseRaceButton();
}

TEST_F(SettingsThroughThePanel, TheRollOutArrowsStopAt455And475) {
    for (int i = 0; i < 25; ++i) clickRollOutArrow(QStyle::SC_ScrollBarSubLine);
    pressRaceButton();
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4550);
    releaseRaceButton();
    for (int i = 0; i < 25; ++i) clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    pressRaceButton();
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4750);
    releaseRaceButton();
}

TEST_F(SettingsThroughThePanel, ALevelAndRollOutChangedDuringARaceWaitForTheNextStagePress) {
    pressRaceButton();
    advance(900);  // "Pre Stage" lit
    clickOption(main.levelOptions[5]);
    clickRollOutArrow(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(main.computerFastest.value(), 496);
    EXPECT_EQ(main.computerSlowest.value(), 512);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650);

    // The computer time drawn at the first amber comes from the level read at the press.
    RandomSource next = random;
    const std::string expected =
        computerTimeText(drawComputerTime(ShortInt::from(496), ShortInt::from(512), next.next()));
    advance(2400 - 900);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4650)
        << "the clock starts from the press's roll-out";
    advance(500);
    EXPECT_EQ(main.computer.timeDisplay.text, expected);
    releaseRaceButton();

    pressRaceButton();
    EXPECT_EQ(main.computerFastest.value(), 500);
    EXPECT_EQ(main.computerSlowest.value(), 504);
    EXPECT_EQ(main.reactionClock.tenThousandths(), 4640);
    releaseRaceButton();
}

TEST_F(SettingsThroughThePanel, TickingMuteSoundEffectsSilencesTheReleaseButJudgesItAsUsual) {
    pressRaceButton();
    advance(2400 + 2000 + 300);
    releaseRaceButton();
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], "/data/launch.wav");

    QTest::mouseClick(widget(main.muteSound), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(static_cast<QCheckBox*>(widget(main.muteSound))->isChecked());
    pressRaceButton();
    advance(2400 + 2000 + 300);
    releaseRaceButton();
    EXPECT_EQ(sound.played.size(), 1u) << "a muted release played " << sound.played.back();
    EXPECT_EQ(pixelAt(centreOf(main.player.green)), QColor(0, 255, 0))
        << "the race is judged as usual";
}

// ---- The panel by keyboard

class PanelByKeyboard : public SetupPanelOnScreen {
  protected:
    PanelByKeyboard() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* focused() const { return window.focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(focused(), key, modifiers);
    }
    // Tabs once round from the race button and names each control the focus lands on.
    std::vector<std::string> tabRound(Qt::KeyboardModifiers modifiers = {}) {
        std::vector<std::string> stops;
        widget(main.raceButton)->setFocus(Qt::TabFocusReason);
        do {
            press(Qt::Key_Tab, modifiers);
            stops.push_back(focused() ? focused()->objectName().toStdString() : "nothing");
        } while (focused() != widget(main.raceButton) && stops.size() < 20);
        return stops;
    }
    void tabTo(const Control& control) {
        for (int i = 0; i < 20 && focused() != widget(control); ++i) press(Qt::Key_Tab);
        ASSERT_EQ(focused(), widget(control));
    }
    // The member of an option array that is selected, counting from 1; 0 for none.
    template <std::size_t N>
    static int selectedOf(const std::array<Control, N>& options) {
        for (int i = 1; i < static_cast<int>(N); ++i) {
            if (options[i].value != 0) return i;
        }
        return 0;
    }
};

TEST_F(PanelByKeyboard, TabFollowsTheTabIndicesAndEntersEachGroupAtItsSelectedOption) {
    using Stops = std::vector<std::string>;
    EXPECT_EQ(tabRound(), (Stops{"Command2", "Command3", "Command1"}));

    // Return on the focused "Setup" opens the panel.
    tabTo(main.setupButton);
    press(Qt::Key_Return);
    ASSERT_TRUE(main.setupPanel.visible);
    EXPECT_EQ(tabRound(), (Stops{"Command2", "RollOut", "Command3", "Level(3)", "Tree(2)", "Check1",
                                 "Command1"}));
    EXPECT_EQ(tabRound(Qt::ShiftModifier), (Stops{"Check1", "Tree(2)", "Level(3)", "Command3",
                                                  "RollOut", "Command2", "Command1"}));
    clickOption(main.levelOptions[5]);
    clickOption(main.proTreeOption);
    EXPECT_EQ(tabRound(), (Stops{"Command2", "RollOut", "Command3", "Level(5)", "Tree(1)", "Check1",
                                 "Command1"}));
}

TEST_F(PanelByKeyboard, TheArrowKeysStepTheRollOutOneAtATimeBetween455And475) {
    clickSetupButton();
    tabTo(main.rollOut);
    std::vector<int> seen;
    for (int i = 0; i < 12; ++i) {
        press(Qt::Key_Left);
        seen.push_back(main.rollOut.value);
    }
    EXPECT_EQ(seen, (std::vector<int>{464, 463, 462, 461, 460, 459, 458, 457, 456, 455, 455, 455}));
    for (int i = 0; i < 22; ++i) press(Qt::Key_Right);
    EXPECT_EQ(main.rollOut.value, 475);
    press(Qt::Key_Left);
    EXPECT_EQ(main.rollOut.value, 474);
}

TEST_F(PanelByKeyboard, ArrowKeysChangeTheLevelAndTheTreeEachWithinItsOwnGroup) {
    clickSetupButton();
    struct Step {
        Qt::Key key;
        int level;
        int tree;
        bool onTree;  // where the focus is afterwards: the selected tree or the selected level
    };
    // Up from the top level stays put: it must not reach the trees above it, and Down from the
    // bottom tree must not reach the check box or the levels.
    const Step steps[] = {
        {Qt::Key_Down, 4, 2, false}, {Qt::Key_Down, 5, 2, false}, {Qt::Key_Down, 5, 2, false},
        {Qt::Key_Up, 4, 2, false},   {Qt::Key_Up, 3, 2, false},   {Qt::Key_Up, 2, 2, false},
        {Qt::Key_Up, 1, 2, false},   {Qt::Key_Up, 1, 2, false},   {Qt::Key_Tab, 1, 2, true},
        {Qt::Key_Up, 1, 1, true},    {Qt::Key_Up, 1, 1, true},    {Qt::Key_Down, 1, 2, true},
        {Qt::Key_Down, 1, 2, true},
    };
    tabTo(main.levelOptions[3]);
    for (const Step& step : steps) {
        press(step.key);
        EXPECT_EQ(selectedOf(main.Level), step.level);
        EXPECT_EQ(selectedOf(main.Tree), step.tree);
        const Control& focus = step.onTree ? main.Tree[step.tree] : main.levelOptions[step.level];
        EXPECT_EQ(focused(), widget(focus)) << focus.displayName();
    }
}

TEST_F(PanelByKeyboard, SpaceTicksAndClearsMuteSoundEffects) {
    clickSetupButton();
    tabTo(main.muteSound);
    press(Qt::Key_Space);
    EXPECT_EQ(main.muteSound.value, 1);
    press(Qt::Key_Space);
    EXPECT_EQ(main.muteSound.value, 0);
}

}  // namespace
}  // namespace korvane::testing
