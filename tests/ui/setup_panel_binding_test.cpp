#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "race/computer_time.h"
#include "race_window_fixture.h"
#include "ui/control_geometry.h"

namespace korvane::testing {
namespace {

using ui::pixelRect;

class SetupPanelOnScreen : public RaceWindowTest {
  protected:
    void clickSetupButton() { QTest::mouseClick(widget(main.Command3), Qt::LeftButton); }
    QPushButton* setupButton() { return static_cast<QPushButton*>(widget(main.Command3)); }
    QColor setupButtonFace() {
        return pixelAt(pixelRect(main.Command3.rect).topLeft() + QPoint(6, 6));
    }
    // The backdrop's rectangle in window pixels: its one-pixel outline runs along the edges.
    QRect backdrop() const { return pixelRect(main.Shape11.rect); }
};

TEST_F(SetupPanelOnScreen, TheSetupButtonShowsTheFrameInsideItsOutlinedBlueBackdropAndHidesBoth) {
    const QImage closed = window.grab().toImage();
    clickSetupButton();
    EXPECT_TRUE(main.Frame1.visible);
    EXPECT_TRUE(main.Shape11.visible);
    EXPECT_TRUE(widget(main.Frame1)->isVisible());
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
    EXPECT_FALSE(main.Frame1.visible);
    EXPECT_FALSE(main.Shape11.visible);
    EXPECT_TRUE(widget(main.Frame1)->isHidden());
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

    void clickOption(const Control& option) {
        QTest::mouseClick(widget(option), Qt::LeftButton, {}, QPoint(5, 8));
    }
    // A click on one of the roll-out bar's arrows, wherever the style draws it.
    void clickRollOutArrow(QStyle::SubControl arrow) {
        auto* bar = static_cast<QScrollBar*>(widget(main.RollOut));
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
        QTest::mousePress(widget(main.Command1), Qt::LeftButton, {}, QPoint(30, 20));
    }
    void releaseRaceButton() {
        QTest::mouseRelease(widget(main.Command1), Qt::LeftButton, {}, QPoint(30, 20));
    }
};

TEST_F(SettingsThroughThePanel, ProTreeLevelAndRollOutClickedOnThePanelFeedTheNextStagePress) {
    clickOption(main.Tree[1]);
    clickOption(main.Level[5]);
    clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    clickRollOutArrow(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(main.RollOut.value, 467);

    pressRaceButton();
    // Level 5 on the Pro Tree, and the roll-out two steps up.
    EXPECT_EQ(main.mhreact.value(), 400);
    EXPECT_EQ(main.mlreact.value(), 404);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4670);
    releaseRaceButton();
}

TEST_F(SettingsThroughThePanel, TheRollOutArrowsStopAt455And475) {
    for (int i = 0; i < 25; ++i) clickRollOutArrow(QStyle::SC_ScrollBarSubLine);
    pressRaceButton();
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4550);
    releaseRaceButton();
    for (int i = 0; i < 25; ++i) clickRollOutArrow(QStyle::SC_ScrollBarAddLine);
    pressRaceButton();
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4750);
    releaseRaceButton();
}

TEST_F(SettingsThroughThePanel, ALevelAndRollOutChangedDuringARaceWaitForTheNextStagePress) {
    pressRaceButton();
    advance(900);  // "Pre Stage" lit
    clickOption(main.Level[5]);
    clickRollOutArrow(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(main.mhreact.value(), 496);
    EXPECT_EQ(main.mlreact.value(), 512);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650);

    // The computer time drawn at the first amber comes from the level read at the press.
    RandomSource next = random;
    const std::string expected =
        computerTimeText(drawComputerTime(ShortInt::from(496), ShortInt::from(512), next.next()));
    advance(2400 - 900);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4650) << "the clock starts from the press's roll-out";
    advance(500);
    EXPECT_EQ(main.Text2.text, expected);
    releaseRaceButton();

    pressRaceButton();
    EXPECT_EQ(main.mhreact.value(), 500);
    EXPECT_EQ(main.mlreact.value(), 504);
    EXPECT_EQ(main.RTVAL.tenThousandths(), 4640);
    releaseRaceButton();
}

TEST_F(SettingsThroughThePanel, TickingMuteSoundEffectsSilencesTheReleaseButJudgesItAsUsual) {
    pressRaceButton();
    advance(2400 + 2000 + 300);
    releaseRaceButton();
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], "/data/launch.wav");

    QTest::mouseClick(widget(main.Check1), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(static_cast<QCheckBox*>(widget(main.Check1))->isChecked());
    pressRaceButton();
    advance(2400 + 2000 + 300);
    releaseRaceButton();
    EXPECT_EQ(sound.played.size(), 1u) << "a muted release played " << sound.played.back();
    EXPECT_EQ(pixelAt(centreOf(main.Shape4)), QColor(0, 255, 0)) << "the race is judged as usual";
}

}  // namespace
}  // namespace korvane::testing
