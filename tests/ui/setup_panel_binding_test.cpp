#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <functional>

#include "race/computer_time.h"
#include "race_window_fixture.h"
#include "ui/kit/control_geometry.h"
#include "ui/kit/qt_values.h"

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
};

// A click, Space, Return or keypad Enter on a focused button: each is a click. Setup opens the
// panel and asks to be clicked when done, then closes it; Quit calls its hook.
TEST_F(SetupPanelOnScreen, EveryActivationOfSetupTogglesThePanelAndOfQuitCallsItsHook) {
    const struct {
        const char* what;
        std::function<void(QWidget*)> activate;
    } ways[] = {
        {"click", [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }},
        {"Space", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); }},
        {"Return", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }},
        {"keypad Enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); }},
    };
    int quits = 0;
    QObject::connect(&window, &ui::RaceWindow::quitClicked, [&] { ++quits; });
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        const int before = quits;
        widget(main.quitButton)->setFocus();
        way.activate(widget(main.quitButton));
        EXPECT_EQ(quits, before + 1);
        for (const bool open : {true, false}) {
            widget(main.setupButton)->setFocus();
            way.activate(widget(main.setupButton));
            EXPECT_EQ(main.setupPanel.visible, open);
            EXPECT_EQ(main.setupBackdrop.visible, open);
            EXPECT_EQ(widget(main.setupPanel)->isVisible(), open);
            EXPECT_EQ(widget(main.levelOptions[3])->isVisible(), open);
            EXPECT_EQ(setupButton()->text(), open ? "Done" : "Setup");
            EXPECT_EQ(setupButtonFace(), open ? QColor(255, 255, 0) : QColor(0, 0, 255));
        }
    }
}

TEST_F(SetupPanelOnScreen, TheOpenFrameLiesInAnOutlinedBlueBackdropThatLeavesNoTraceOnClosing) {
    const QImage closed = window.grab().toImage();
    clickSetupButton();
    const QImage open = window.grab().toImage();
    const QRect b = backdrop();
    const QPoint frame = pixelRect(main.setupPanel.rect).topLeft();
    const QColor cyan(0, 255, 255), blue(0, 0, 255);
    const struct {
        const char* what;
        QPoint at;
        QColor colour;
    } rows[] = {
        {"outline, left", {b.left(), b.center().y()}, cyan},
        {"outline, right", {b.right(), b.center().y()}, cyan},
        {"outline, top", {b.center().x(), b.top()}, cyan},
        {"outline, bottom", {b.center().x(), b.bottom()}, cyan},
        {"margin, left", {b.left() + 5, b.center().y()}, blue},
        {"margin, right", {b.right() - 5, b.center().y()}, blue},
        {"margin, top", {b.center().x(), b.top() + 3}, blue},
        {"margin, bottom", {b.center().x(), b.bottom() - 5}, blue},
        {"Line1, in a gap of Label3's caption", frame + QPoint(60, 126), ui::windowTextColour()},
    };
    for (const auto& row : rows) EXPECT_EQ(open.pixelColor(row.at), row.colour) << row.what;
    // The rest of the frame shows the face colour (the style may tint it), not the backdrop.
    const QColor inside = open.pixelColor(frame + QPoint(120, 60));
    const QColor face = ui::buttonFaceColour();
    EXPECT_LE(std::abs(inside.red() - face.red()), 8);
    EXPECT_LE(std::abs(inside.blue() - face.blue()), 8);

    clickSetupButton();
    EXPECT_EQ(window.grab().toImage().copy(b), closed.copy(b));
}

// ---- Settings changed through the panel's widgets

class SettingsThroughThePanel : public SetupPanelOnScreen {
  protected:
    SettingsThroughThePanel() { clickSetupButton(); }

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

// The arrow keys, the bar's arrows and its page steps each move the roll-out by one, and none
// goes past 455 or 475.
TEST_F(PanelByKeyboard, EveryWayToMoveTheRollOutStepsByOneBetween455And475) {
    clickSetupButton();
    tabTo(main.rollOut);
    auto* bar = static_cast<QScrollBar*>(widget(main.rollOut));
    const auto key = [this](Qt::Key k) { return [this, k] { press(k); }; };
    const auto arrow = [this](QStyle::SubControl a) { return [this, a] { clickRollOutArrow(a); }; };
    const auto page = [bar](QAbstractSlider::SliderAction a) {
        return [bar, a] { bar->triggerAction(a); };
    };
    const struct {
        const char* what;
        std::function<void()> step;
        int times;
        int value;  // afterwards, from where the row before left it
    } rows[] = {
        {"Right key", key(Qt::Key_Right), 1, 466},
        {"Left key", key(Qt::Key_Left), 1, 465},
        {"Left key past the bottom", key(Qt::Key_Left), 12, 455},
        {"Right key past the top", key(Qt::Key_Right), 22, 475},
        {"left arrow", arrow(QStyle::SC_ScrollBarSubLine), 1, 474},
        {"left arrow past the bottom", arrow(QStyle::SC_ScrollBarSubLine), 25, 455},
        {"right arrow", arrow(QStyle::SC_ScrollBarAddLine), 1, 456},
        {"right arrow past the top", arrow(QStyle::SC_ScrollBarAddLine), 25, 475},
        {"page down", page(QAbstractSlider::SliderPageStepSub), 1, 474},
        {"page down past the bottom", page(QAbstractSlider::SliderPageStepSub), 30, 455},
        {"page up", page(QAbstractSlider::SliderPageStepAdd), 1, 456},
        {"page up past the top", page(QAbstractSlider::SliderPageStepAdd), 30, 475},
    };
    for (const auto& row : rows) {
        for (int i = 0; i < row.times; ++i) row.step();
        EXPECT_EQ(main.rollOut.value, row.value) << row.what;
    }
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
