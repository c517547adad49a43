#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <map>

#include "common/overflow_error.h"
#include "race_window_fixture.h"
#include "ui/kit/coloured_button.h"
#include "ui/kit/font_choice.h"
#include "ui/kit/qt_values.h"
#include "ui/practice/race_key.h"
#include "ui/time_slip/time_slip.h"
#include "ui/time_slip/time_slip_window.h"

namespace korvane::testing {
namespace {

using ui::pixelRect;
using ui::toQColor;

// ---- The window and where everything sits

using RaceWindowLayout = RaceWindowTest;

TEST_F(RaceWindowLayout, TheWindowIsAFixed637By455ClientAreaWithItsCaptionAndNoMinOrMaxBox) {
    EXPECT_EQ(window.size(), QSize(637, 455));
    EXPECT_EQ(window.minimumSize(), QSize(637, 455));
    EXPECT_EQ(window.maximumSize(), QSize(637, 455));
    EXPECT_EQ(window.windowTitle(), "Korvane - By Vantrel");
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(RaceWindowLayout, TheWindowOpensCentredOnTheScreen) {
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST_F(RaceWindowLayout, EveryWidgetSitsInItsContainerWhereTheLayoutFileSays) {
    int widgets = 0;
    for (const Control* c : std::as_const(main).controls()) {
        QWidget* w = widget(*c);
        if (!c->isWidget()) {
            EXPECT_EQ(w, nullptr) << c->displayName() << " is painted, not a widget";
            continue;
        }
        ASSERT_NE(w, nullptr) << c->displayName();
        ++widgets;
        QWidget* container = c->container ? widget(*c->container) : &window;
        EXPECT_EQ(w->parentWidget(), container) << c->displayName();
        // The layout file for the scripts puts it there in the client area.
        const QRect onWindow(w->mapTo(&window, QPoint(0, 0)), w->size());
        EXPECT_EQ(onWindow, ui::clientPixelBounds(*c)) << c->displayName();
    }
    EXPECT_EQ(widgets, 22);
}

TEST_F(RaceWindowLayout, WidgetsOfOneContainerStackInTheModelsOrder) {
    for (const Control* a : std::as_const(main).controls()) {
        for (const Control* b : std::as_const(main).controls()) {
            if (!a->isWidget() || !b->isWidget() || a->container != b->container) continue;
            if (a->zOrder >= b->zOrder) continue;
            // a is in front of b: Qt keeps the topmost sibling last among the children.
            const QObjectList& siblings = widget(*a)->parentWidget()->children();
            EXPECT_GT(siblings.indexOf(widget(*a)), siblings.indexOf(widget(*b)))
                << a->displayName() << " should lie over " << b->displayName();
        }
    }
}

TEST_F(RaceWindowLayout, WhereWidgetsOverlapTheFrontOneIsHit) {
    main.computer.winnerFlag.visible = true;
    window.mirror();
    // Text3 covers the bottom seven pixels of Text2.
    EXPECT_EQ(window.childAt(130, 64), widget(main.computer.winnerFlag));
    // Text8 covers the last pixel column of Text5.
    EXPECT_EQ(window.childAt(544, 345), widget(main.computer.winCountDisplay));
    // Each level option covers the bottom pixel of the one above it.
    QWidget* frame = widget(main.setupPanel);
    EXPECT_EQ(frame->childAt(20, 173), widget(main.levelOptions[2]));
}

TEST_F(RaceWindowLayout, TextBoxesTakeTheFocusOnlyByClickAndTheRaceButtonHoldsItAtOpening) {
    for (const Control* box :
         {&main.player.timeDisplay, &main.computer.timeDisplay, &main.computer.winnerFlag,
          &main.player.winnerFlag, &main.Text5, &main.Text6, &main.player.winCountDisplay,
          &main.computer.winCountDisplay}) {
        EXPECT_EQ(widget(*box)->focusPolicy(), Qt::ClickFocus) << box->name;
        EXPECT_EQ(static_cast<QLineEdit*>(widget(*box))->alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
    }
    EXPECT_EQ(window.focusWidget(), widget(main.raceButton));
}

TEST_F(RaceWindowLayout, EveryWidgetHasANameForAssistiveTools) {
    struct Named {
        const Control* control;
        const char* name;
    };
    const Named named[] = {
        {&main.rollOut, "Rollout, 455 to 475"},  // a scroll bar's name carries its range
        {&main.raceButton, "Stage (Down)"},      // the rest by their captions
        {&main.setupButton, "Setup"},
        {&main.setupPanel, "Korvane Setup"},
        {&main.Frame2, "Timing Options"},  // not after the frame around it
        {&main.levelOptions[1], "Novice Powder Puff Trophy"},
        {&main.standardTreeOption, "Standard Tree"},
        {&main.muteSound, "Mute Sound Effects"},
    };
    auto nameOf = [](QWidget* w) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
    };
    for (const Named& n : named) EXPECT_EQ(nameOf(widget(*n.control)), n.name);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget(main.player.timeDisplay))
                     ->text(QAccessible::Description)
                     .isEmpty());

    const auto widgets = window.findChildren<QWidget*>();
    EXPECT_EQ(widgets.size(), 22);
    for (QWidget* w : widgets) {
        EXPECT_FALSE(nameOf(w).empty()) << w->objectName().toStdString() << " has no name";
    }
}

// ---- Painting

using RaceWindowPainting = RaceWindowTest;

// Notes the area of every paint event of a window and its children.
class PaintLog : public QObject {
  public:
    explicit PaintLog(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    // Runs the repaints already asked for.
    static void runPosted() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    void settle() {
        runPosted();
        painted.clear();
    }
    std::map<QWidget*, QRegion> painted;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Paint && widget &&
            (widget == &window_ || window_.isAncestorOf(widget))) {
            painted[widget] += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

  private:
    QWidget& window_;
};

QRegion areaOf(const std::vector<const Control*>& controls) {
    QRegion area;
    for (const Control* c : controls) area += ui::pixelBounds(*c).adjusted(-1, -1, 1, 1);
    return area;
}

TEST_F(RaceWindowPainting, AfterAHandlerOnlyWhatChangedIsPainted) {
    const struct {
        const char* what;
        std::function<void()> change;
        std::vector<const Control*> painted;
    } rows[] = {
        {"nothing", [] {}, {}},
        {"a reaction-clock tick", [&] { main.reactionClockTick(); }, {}},
        {"a colour set to what it was", [&] { main.Shape4.fillColor = colour::kDimGreen; }, {}},
        {"an amber", [&] { main.Shape1.fillColor = colour::kLitAmber; }, {&main.Shape1}},
        {"two lamps",
         [&] {
             main.Shape3.fillColor = colour::kDimAmber;
             main.Shape1.fillColor = colour::kDimAmber;
             main.Shape7.fillColor = colour::kLitGreen;
         },
         {&main.Shape1, &main.Shape7}},
        {"a staging indicator",
         [&] {
             main.Label1.backColor = colour::kPaleYellow;
             main.Label1.caption = "Pre Stage";
         },
         {&main.Label1}},
        {"a skull", [&] { main.Image1.visible = true; }, {&main.Image1}},
    };
    PaintLog log(window);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        log.settle();
        row.change();
        window.mirror();
        PaintLog::runPosted();
        EXPECT_EQ(log.painted.empty(), row.painted.empty());
        for (const auto& [widget, region] : log.painted) {
            EXPECT_EQ(widget, &window) << widget->objectName().toStdString();
            EXPECT_TRUE(region.subtracted(areaOf(row.painted)).isEmpty())
                << "painted beyond the changed controls: " << region.boundingRect().width() << "x"
                << region.boundingRect().height();
        }
    }
}

// Before a sound that blocks the event loop: one control's refresh puts it on screen at once
// and alone; the window's refresh brings everything else.
TEST_F(RaceWindowPainting, ARefreshOfOneControlPaintsItAloneAtOnce) {
    PaintLog log(window);
    log.settle();
    auto* time = static_cast<QLineEdit*>(widget(main.Text1));
    const QString shownBefore = time->text();
    main.Text1.text = " .487";
    main.Shape4.fillColor = colour::kDimGreen;
    main.Shape5.fillColor = colour::kLitRed;
    main.refresh(main.Shape5);
    ASSERT_EQ(log.painted.size(), 1u);
    EXPECT_TRUE(log.painted[&window].subtracted(areaOf({&main.Shape5})).isEmpty());
    EXPECT_EQ(time->text(), shownBefore);

    log.painted.clear();
    main.refreshWindow();
    EXPECT_EQ(log.painted[&window], QRegion(window.rect()));
    EXPECT_EQ(time->text(), " .487");
    EXPECT_TRUE(log.painted.count(time));
}

TEST_F(RaceWindowPainting, TheLampsStartDimAndTheIndicatorsBlankWhite) {
    const QImage image = window.grab().toImage();
    for (const Control* lamp :
         {&main.player.topAmber, &main.player.middleAmber, &main.player.bottomAmber,
          &main.player.green, &main.player.red, &main.computer.red, &main.computer.green,
          &main.computer.bottomAmber, &main.computer.middleAmber, &main.computer.topAmber}) {
        EXPECT_EQ(image.pixelColor(centreOf(*lamp)), toQColor(lamp->fillColor)) << lamp->name;
    }
    EXPECT_EQ(image.pixelColor(centreOf(main.preStage)), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(centreOf(main.staged)), QColor(255, 255, 255));
    // The centre post between the columns.
    EXPECT_EQ(image.pixelColor(centreOf(main.Shape13)), QColor(128, 128, 128));
}

TEST_F(RaceWindowPainting, TheIndicatorsLieOverTheTopOfTheCentrePost) {
    const QImage image = window.grab().toImage();
    // Row 107 belongs to Label1 and the post; row 115 to Label2 and the post.
    EXPECT_EQ(image.pixelColor(215, 107), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(215, 115), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(215, 125), QColor(128, 128, 128));
}

TEST_F(RaceWindowPainting, TheDividerShowsBetweenTheBoardsTimeDisplays) {
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(216, 70), QColor(255, 255, 255));
}

TEST_F(RaceWindowPainting, AModelChangeShowsOnceTheSurfaceIsRefreshed) {
    main.player.green.fillColor = colour::kLitGreen;
    main.refresh(main.player.green);
    EXPECT_EQ(pixelAt(centreOf(main.player.green)), QColor(0, 255, 0));

    main.computer.timeDisplay.visible = false;
    main.player.timeDisplay.text = " .512";
    main.setupButton.caption = "Done";
    main.refreshWindow();
    EXPECT_TRUE(widget(main.computer.timeDisplay)->isHidden());
    EXPECT_EQ(static_cast<QLineEdit*>(widget(main.player.timeDisplay))->text(), " .512");
    EXPECT_EQ(static_cast<QPushButton*>(widget(main.setupButton))->text(), "Done");
}

// ---- Fonts

using RaceWindowFonts = RaceWindowTest;

TEST_F(RaceWindowFonts, TheBoardUsesDseg7AndTheRestLiberationSansAtPixelSizesFor96Dpi) {
    if (QFontDatabase::families().contains("Digital SF")) GTEST_SKIP() << "Digital SF installed";
    const QFontInfo time(widget(main.player.timeDisplay)->font());
    EXPECT_EQ(time.family(), "DSEG7 Classic");
    EXPECT_EQ(time.pixelSize(), 37);
    const QFontInfo flag(widget(main.computer.winnerFlag)->font());
    EXPECT_EQ(flag.family(), "DSEG7 Classic");
    EXPECT_EQ(flag.pixelSize(), 29);

    const QFontInfo counter(widget(main.player.winCountDisplay)->font());
    EXPECT_EQ(counter.family(), "Liberation Sans");
    EXPECT_EQ(counter.pixelSize(), 18);
    const QFontInfo button(widget(main.raceButton)->font());
    EXPECT_EQ(button.family(), "Liberation Sans");
    EXPECT_TRUE(button.bold());
    EXPECT_EQ(button.pixelSize(), 16);
    const QFontInfo option(widget(main.levelOptions[1])->font());
    EXPECT_EQ(option.family(), "Liberation Sans");
    EXPECT_EQ(option.pixelSize(), 11);
}

TEST_F(RaceWindowFonts, ACaptionTooWideForTheStandInFaceIsNarrowedToFitAtTheSameHeight) {
    const QFont wide = ui::chooseFont(main.Label3.font, main.font);
    const QString caption = QString::fromStdString(main.Label3.caption);
    const int width = pixelRect(main.Label3.rect).width();
    const QFont fitted = ui::fitToWidth(wide, caption, width);
    EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(caption), width);
    EXPECT_EQ(fitted.pixelSize(), wide.pixelSize());
    // A caption that fits keeps the face as it is.
    EXPECT_EQ(ui::fitToWidth(wide, "Less", width).stretch(), QFont::Unstretched);

    auto* button = static_cast<QPushButton*>(widget(main.raceButton));
    EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 6);
    EXPECT_EQ(QFontInfo(button->font()).pixelSize(), 16);
}

TEST_F(RaceWindowFonts, ACaptionMetOrPreparedBeforeIsFittedAgainToANewFontOrRoom) {
    ui::ColouredButton button;
    for (const auto& [font, w] : {std::pair{QFont(), 100}, {QFont("", 24), 100}, {QFont(), 50}}) {
        button.setFont(font);
        button.resize(w, 30);
        button.setCaption(" Stage (Down)");
        const QFont shown = button.font();
        button.prepareCaption("Launch (Up)");
        EXPECT_EQ(button.font(), shown);
        EXPECT_EQ(button.text(), " Stage (Down)");
        button.setCaption("Launch (Up)");
        EXPECT_EQ(button.font(), ui::fitToWidth(font, "Launch (Up)", w - 6));
    }
}

TEST_F(RaceWindowFonts, TheBoardsWordsShowWholeNarrowedAtTheirOwnHeight) {
    main.computer.winnerFlag.visible = true;
    main.player.winnerFlag.visible = true;
    window.mirror();
    for (const Control* box : {&main.computer.timeDisplay, &main.player.timeDisplay,
                               &main.computer.winnerFlag, &main.player.winnerFlag}) {
        auto& edit = *static_cast<QLineEdit*>(widget(*box));
        expectWholeTextShows(edit);
        EXPECT_EQ(QFontInfo(edit.font()).pixelSize(),
                  ui::chooseFont(box->font, main.font).pixelSize())
            << box->displayName();
    }
}

TEST_F(RaceWindowFonts, ATimeThatFitsKeepsTheFacesOwnWidthEvenAfterAWideWord) {
    main.computer.timeDisplay.text = " .503";
    main.player.timeDisplay.text = " .512";
    window.mirror();
    for (const Control* box : {&main.computer.timeDisplay, &main.player.timeDisplay}) {
        auto& edit = *static_cast<QLineEdit*>(widget(*box));
        expectWholeTextShows(edit);
        EXPECT_EQ(edit.font().stretch(), QFont::Unstretched) << box->displayName();
    }
}

TEST_F(RaceWindowFonts, ATimeStaysClearOfTheWinnerFlagThatCoversTheFootOfItsBox) {
    main.computer.timeDisplay.text = " .499";
    main.computer.winnerFlag.visible = true;
    window.mirror();
    const QImage board = window.grab().toImage();
    const QRect flag = pixelRect(main.computer.winnerFlag.rect);
    // The two rows just above the flag, across its width, stay as dark as the box.
    for (int y = flag.top() - 2; y < flag.top(); ++y) {
        for (int x = flag.left() + 2; x < flag.right() - 1; ++x) {
            EXPECT_LT(board.pixelColor(x, y).value(), 64) << "lit at " << x << "," << y;
        }
    }
}

TEST_F(RaceWindowFonts, TheCountersAndTheirCaptionsShowWhole) {
    main.computer.winCountDisplay.text = " 32767";
    window.mirror();
    for (const Control* box :
         {&main.Text5, &main.Text6, &main.player.winCountDisplay, &main.computer.winCountDisplay}) {
        expectWholeTextShows(*static_cast<QLineEdit*>(widget(*box)));
    }
}

// ---- Input written back into the model

using RaceWindowInput = RaceWindowTest;

TEST_F(RaceWindowInput, TheTreeAndLevelOptionsAreSeparateGroups) {
    QTest::mouseClick(widget(main.setupButton), Qt::LeftButton);
    QTest::mouseClick(widget(main.proTreeOption), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(main.proTreeOption.value, 1);
    EXPECT_EQ(main.standardTreeOption.value, 0);
    EXPECT_EQ(main.levelOptions[3].value, 1);

    QTest::mouseClick(widget(main.levelOptions[5]), Qt::LeftButton, {}, QPoint(5, 8));
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(main.levelOptions[i].value, i == 5 ? 1 : 0) << i;
    EXPECT_EQ(main.proTreeOption.value, 1);
    EXPECT_EQ(main.standardTreeOption.value, 0);
}

TEST_F(RaceWindowInput, TypingIntoATextBoxReachesTheModel) {
    auto* text2 = static_cast<QLineEdit*>(widget(main.computer.timeDisplay));
    text2->selectAll();
    QTest::keyClicks(text2, ".3");
    EXPECT_EQ(main.computer.timeDisplay.text, ".3");
}

// ---- The race button

using RaceWindowStaging = RaceWindowTest;

TEST_F(RaceWindowStaging, ARightButtonPressOnTheRaceButtonStagesAndShowsIt) {
    auto* button = static_cast<ui::ColouredButton*>(widget(main.raceButton));
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(30, 20));
    EXPECT_EQ(main.raceButton.caption, "Launch (Up)");
    EXPECT_TRUE(main.stagingWalk.enabled());
    EXPECT_EQ(button->text(), "Launch (Up)");
    EXPECT_EQ(pixelAt(pixelRect(main.raceButton.rect).topLeft() + QPoint(6, 6)),
              QColor(255, 255, 0));

    advance(800);
    EXPECT_EQ(pixelAt(pixelRect(main.preStage.rect).topLeft() + QPoint(1, 1)),
              QColor(255, 255, 128));
    EXPECT_EQ(pixelAt(pixelRect(main.staged.rect).topLeft() + QPoint(1, 1)), QColor(255, 255, 255));
    advance(800);
    EXPECT_EQ(pixelAt(pixelRect(main.staged.rect).topLeft() + QPoint(1, 1)), QColor(255, 255, 128));
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(30, 20));
}

// A controller stages and launches as a mouse button does; the button looks pressed while
// either holds it.
TEST_F(RaceWindowStaging, AControllerButtonStagesAndLaunchesBesideTheMouse) {
    auto* button = static_cast<ui::ColouredButton*>(widget(main.raceButton));
    const input::HeldInputs::Input pad{0, input::HeldInputs::Kind::Button, 1};
    window.heldInput(pad, true, std::chrono::steady_clock::now());
    EXPECT_EQ(main.raceButton.caption, "Launch (Up)");
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 20));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_TRUE(button->isDown());
    window.heldInput(pad, false, std::chrono::steady_clock::now());
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(main.raceButton.caption, " Stage (Down)");
}

TEST_F(RaceWindowStaging, SpaceOrEnterOnTheRaceButtonDoesNothing) {
    QWidget* button = widget(main.raceButton);
    button->setFocus();
    for (auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(button, key);
    EXPECT_EQ(main.raceButton.caption, "Stage (Down)");
    EXPECT_FALSE(main.stagingWalk.enabled());
}

struct RaceKeyRow {
    const char* focus;
    bool stages;
};

// The race key stages from whichever of the game's windows has the focus, but never from a
// dialog or a text field, where the key has a meaning of its own.
TEST_F(RaceWindowStaging, TheRaceKeyStagesWhereverTheGameHasTheFocus) {
    const RaceKeyRow rows[] = {
        {"race window", true}, {"slip", true}, {"text field", false}, {"dialog", false}};
    for (const RaceKeyRow& r : rows) {
        ui::RaceKey key(window);
        key.setKey(Qt::Key_F8);
        QWidget slip;
        auto* field = new QLineEdit(&slip);
        auto* copy = new QPushButton(&slip);
        QDialog dialog;
        const std::string focus = r.focus;
        QWidget* target = focus == "race window" ? &window
                          : focus == "dialog"    ? static_cast<QWidget*>(&dialog)
                                                 : &slip;
        target->show();
        target->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(target)) << r.focus;
        if (target == &slip)
            (focus == "text field" ? static_cast<QWidget*>(field) : copy)->setFocus();
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : target;
        QTest::keyPress(focused, Qt::Key_F8);
        EXPECT_EQ(main.raceButton.caption == "Launch (Up)", r.stages) << r.focus;
        QTest::keyRelease(focused, Qt::Key_F8);
        key.setKey(0);
        advance(5000);
    }
}

TEST_F(RaceWindowStaging, AnErrorInAHandlerIsReportedAndTheWindowGoesOn) {
    int quits = 0;
    QObject::connect(&window, &ui::RaceWindow::quitClicked, [&] {
        ++quits;
        throw OverflowError("16-bit overflow: 32768");
    });
    QTest::mouseClick(widget(main.quitButton), Qt::LeftButton);
    EXPECT_EQ(reported, "16-bit overflow: 32768");
    QTest::mouseClick(widget(main.quitButton), Qt::LeftButton);
    EXPECT_EQ(quits, 2);
}

// The slip is a window of its own: left open, it must not keep the game running once the race
// window is closed.
TEST_F(RaceWindowStaging, ClosingTheRaceWindowEndsTheGameWithTheTimeSlipOpen) {
    ui::TimeSlip slip(window, main, std::make_unique<ui::FlushedGreenOnset>());
    slip.toggle();
    ASSERT_TRUE(slip.window().isVisible());
    // Qt ends the program on the last window's close only while its event loop runs.
    QTimer::singleShot(0, &window, [this] { window.close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

// From the slip's table, as the player leaves it after copying.
TEST_F(RaceWindowStaging, CtrlTOrEscapeInTheTimeSlipHidesIt) {
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_T, QKeyCombination(Qt::Key_Escape)}) {
        ui::TimeSlip slip(window, main, std::make_unique<ui::FlushedGreenOnset>());
        slip.toggle();
        QWidget& shown = slip.window();
        shown.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        QWidget* table = shown.findChild<QTableView*>();
        table->setFocus();
        QTest::keyClick(table, key.key(), key.keyboardModifiers());
        EXPECT_FALSE(shown.isVisible()) << key.key();
    }
}

}  // namespace
}  // namespace korvane::testing
