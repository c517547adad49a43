#include <QAccessible>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>
#include <iostream>

#include "common/overflow_error.h"
#include "race_window_fixture.h"
#include "ui/coloured_button.h"
#include "ui/font_choice.h"
#include "ui/qt_colour.h"

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

TEST_F(RaceWindowLayout, EveryWidgetSitsAtItsTwipsOverFifteenInsideItsContainer) {
    int widgets = 0;
    for (const Control* c : std::as_const(main).controls()) {
        QWidget* w = widget(*c);
        if (!c->isWidget()) {
            EXPECT_EQ(w, nullptr) << c->displayName() << " is painted, not a widget";
            continue;
        }
        ASSERT_NE(w, nullptr) << c->displayName();
        ++widgets;
        const QRect expected(c->rect.left / 15, c->rect.top / 15, c->rect.width / 15,
                             c->rect.height / 15);
        EXPECT_EQ(w->geometry(), expected) << c->displayName();
        QWidget* container = c->container ? widget(*c->container) : &window;
        EXPECT_EQ(w->parentWidget(), container) << c->displayName();
        // Where the layout file for the scripts puts it in the client area.
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
    main.Text3.visible = true;
    window.mirror();
    // Text3 covers the bottom seven pixels of Text2.
    EXPECT_EQ(window.childAt(130, 64), widget(main.Text3));
    // Text8 covers the last pixel column of Text5.
    EXPECT_EQ(window.childAt(544, 345), widget(main.Text8));
    // Each level option covers the bottom pixel of the one above it.
    QWidget* frame = widget(main.Frame1);
    EXPECT_EQ(frame->childAt(20, 173), widget(main.Level[2]));
}

TEST_F(RaceWindowLayout, TextBoxesTakeTheFocusOnlyByClickAndTheRaceButtonHoldsItAtOpening) {
    for (const Control* box : {&main.Text1, &main.Text2, &main.Text3, &main.Text4, &main.Text5,
                               &main.Text6, &main.Text7, &main.Text8}) {
        EXPECT_EQ(widget(*box)->focusPolicy(), Qt::ClickFocus) << box->name;
        EXPECT_EQ(static_cast<QLineEdit*>(widget(*box))->alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
    }
    EXPECT_EQ(window.focusWidget(), widget(main.Command1));
}

TEST_F(RaceWindowLayout, EveryWidgetHasANameForAssistiveToolsFromItsRole) {
    struct Named {
        const Control* control;
        const char* name;
    };
    const Named named[] = {
        {&main.Text1, "Player time"},
        {&main.Text2, "Computer time"},
        {&main.Text3, "Computer winner"},
        {&main.Text4, "Player winner"},
        {&main.Text7, "Player wins"},
        {&main.Text8, "Computer wins"},
        {&main.RollOut, "Rollout, 455 to 475"},
        {&main.Command1, "Stage (Down)"},
        {&main.Command3, "Setup"},
        {&main.Frame1, "Korvane Setup"},
        {&main.Frame2, "Timing Options"},
        {&main.Level[1], "Novice Powder Puff Trophy"},
        {&main.Tree[2], "Standard Tree"},
        {&main.Check1, "Mute Sound Effects"},
    };
    auto nameOf = [](QWidget* w) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
    };
    for (const Named& n : named) EXPECT_EQ(nameOf(widget(*n.control)), n.name);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget(main.Text1))
                     ->text(QAccessible::Description)
                     .isEmpty());

    const auto widgets = window.findChildren<QWidget*>();
    EXPECT_EQ(widgets.size(), 22);
    for (QWidget* w : widgets) {
        const std::string name = nameOf(w);
        EXPECT_FALSE(name.empty()) << w->objectName().toStdString() << " has no name";
        std::cout << "  " << w->objectName().toStdString() << ": \"" << name << "\"\n";
    }
}

// ---- Painting

using RaceWindowPainting = RaceWindowTest;

TEST_F(RaceWindowPainting, TheLampsStartDimAndTheIndicatorsBlankWhite) {
    const QImage image = window.grab().toImage();
    for (const Control* lamp :
         {&main.Shape1, &main.Shape2, &main.Shape3, &main.Shape4, &main.Shape5, &main.Shape6,
          &main.Shape7, &main.Shape8, &main.Shape9, &main.Shape10}) {
        EXPECT_EQ(image.pixelColor(centreOf(*lamp)), toQColor(lamp->fillColor)) << lamp->name;
    }
    EXPECT_EQ(image.pixelColor(centreOf(main.Label1)), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(centreOf(main.Label2)), QColor(255, 255, 255));
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

TEST_F(RaceWindowPainting, OpeningTheSetupPanelShowsTheBlueBackdropAndTheFramesOwnGraphics) {
    QTest::mouseClick(widget(main.Command3), Qt::LeftButton);
    EXPECT_TRUE(main.Frame1.visible);
    EXPECT_FALSE(widget(main.Frame1)->isHidden());
    EXPECT_FALSE(widget(main.Level[3])->isHidden());
    const QImage image = window.grab().toImage();
    // The blue margin left of the frame, with its cyan outline at the backdrop's edge.
    EXPECT_EQ(image.pixelColor(425, 150), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(420, 150), QColor(0, 255, 255));
    // Line1 in the frame, in the window text colour, in a gap of Label3's caption.
    const QPoint frame = pixelRect(main.Frame1.rect).topLeft();
    EXPECT_EQ(image.pixelColor(frame + QPoint(60, 126)), ui::windowTextColour());
    // The rest of the frame shows the face colour (the style may tint it), not the backdrop.
    const QColor inside = image.pixelColor(frame + QPoint(120, 60));
    const QColor face = ui::buttonFaceColour();
    EXPECT_LE(std::abs(inside.red() - face.red()), 8);
    EXPECT_LE(std::abs(inside.blue() - face.blue()), 8);
}

TEST_F(RaceWindowPainting, AModelChangeShowsOnceTheSurfaceIsRefreshed) {
    main.Shape4.fillColor = colour::kLitGreen;
    main.refresh(main.Shape4);
    EXPECT_EQ(pixelAt(centreOf(main.Shape4)), QColor(0, 255, 0));

    main.Text2.visible = false;
    main.Text1.text = " .512";
    main.Command3.caption = "Done";
    main.refreshWindow();
    EXPECT_TRUE(widget(main.Text2)->isHidden());
    EXPECT_EQ(static_cast<QLineEdit*>(widget(main.Text1))->text(), " .512");
    EXPECT_EQ(static_cast<QPushButton*>(widget(main.Command3))->text(), "Done");
}

// ---- Fonts

using RaceWindowFonts = RaceWindowTest;

TEST_F(RaceWindowFonts, TheBoardUsesDseg7AndTheRestLiberationSansAtPixelSizesFor96Dpi) {
    if (QFontDatabase::families().contains("Digital SF")) GTEST_SKIP() << "Digital SF installed";
    const QFontInfo time(widget(main.Text1)->font());
    EXPECT_EQ(time.family(), "DSEG7 Classic");
    EXPECT_EQ(time.pixelSize(), 37);
    const QFontInfo flag(widget(main.Text3)->font());
    EXPECT_EQ(flag.family(), "DSEG7 Classic");
    EXPECT_EQ(flag.pixelSize(), 29);

    const QFontInfo counter(widget(main.Text7)->font());
    EXPECT_EQ(counter.family(), "Liberation Sans");
    EXPECT_EQ(counter.pixelSize(), 18);
    const QFontInfo button(widget(main.Command1)->font());
    EXPECT_EQ(button.family(), "Liberation Sans");
    EXPECT_TRUE(button.bold());
    EXPECT_EQ(button.pixelSize(), 16);
    const QFontInfo option(widget(main.Level[1])->font());
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

    auto* button = static_cast<QPushButton*>(widget(main.Command1));
    EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 6);
    EXPECT_EQ(QFontInfo(button->font()).pixelSize(), 16);
}

TEST_F(RaceWindowFonts, TheBoardsWordsShowWholeNarrowedAtTheirOwnHeight) {
    main.Text3.visible = true;
    main.Text4.visible = true;
    window.mirror();
    for (const Control* box : {&main.Text2, &main.Text1, &main.Text3, &main.Text4}) {
        auto& edit = *static_cast<QLineEdit*>(widget(*box));
        expectWholeTextShows(edit);
        EXPECT_EQ(QFontInfo(edit.font()).pixelSize(),
                  ui::chooseFont(box->font, main.font).pixelSize())
            << box->displayName();
    }
}

TEST_F(RaceWindowFonts, ATimeThatFitsKeepsTheFacesOwnWidthEvenAfterAWideWord) {
    main.Text2.text = " .503";
    main.Text1.text = " .512";
    window.mirror();
    for (const Control* box : {&main.Text2, &main.Text1}) {
        auto& edit = *static_cast<QLineEdit*>(widget(*box));
        expectWholeTextShows(edit);
        EXPECT_EQ(edit.font().stretch(), QFont::Unstretched) << box->displayName();
    }
}

TEST_F(RaceWindowFonts, ATimeStaysClearOfTheWinnerFlagThatCoversTheFootOfItsBox) {
    main.Text2.text = " .499";
    main.Text3.visible = true;
    window.mirror();
    const QImage board = window.grab().toImage();
    const QRect flag = pixelRect(main.Text3.rect);
    // The two rows just above the flag, across its width, stay as dark as the box.
    for (int y = flag.top() - 2; y < flag.top(); ++y) {
        for (int x = flag.left() + 2; x < flag.right() - 1; ++x) {
            EXPECT_LT(board.pixelColor(x, y).value(), 64) << "lit at " << x << "," << y;
        }
    }
}

TEST_F(RaceWindowFonts, TheCountersAndTheirCaptionsShowWhole) {
    main.Text8.text = " 32767";
    window.mirror();
    for (const Control* box : {&main.Text5, &main.Text6, &main.Text7, &main.Text8}) {
        expectWholeTextShows(*static_cast<QLineEdit*>(widget(*box)));
    }
}

// ---- Input written back into the model

using RaceWindowInput = RaceWindowTest;

TEST_F(RaceWindowInput, TheTreeAndLevelOptionsAreSeparateGroups) {
    QTest::mouseClick(widget(main.Command3), Qt::LeftButton);
    QTest::mouseClick(widget(main.Tree[1]), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(main.Tree[1].value, 1);
    EXPECT_EQ(main.Tree[2].value, 0);
    EXPECT_EQ(main.Level[3].value, 1);

    QTest::mouseClick(widget(main.Level[5]), Qt::LeftButton, {}, QPoint(5, 8));
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(main.Level[i].value, i == 5 ? 1 : 0) << i;
    EXPECT_EQ(main.Tree[1].value, 1);
    EXPECT_EQ(main.Tree[2].value, 0);
}

TEST_F(RaceWindowInput, TheRollOutStepsByOneAndStaysWithin455And475) {
    auto* bar = static_cast<QScrollBar*>(widget(main.RollOut));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(main.RollOut.value, 466);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(main.RollOut.value, 465);
    for (int i = 0; i < 30; ++i) bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(main.RollOut.value, 475);
    for (int i = 0; i < 30; ++i) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(main.RollOut.value, 455);
}

TEST_F(RaceWindowInput, TickingTheMuteBoxAndTypingIntoATextBoxReachTheModel) {
    QTest::mouseClick(widget(main.Command3), Qt::LeftButton);
    QTest::mouseClick(widget(main.Check1), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(main.Check1.value, 1);

    auto* text2 = static_cast<QLineEdit*>(widget(main.Text2));
    text2->selectAll();
    QTest::keyClicks(text2, ".3");
    EXPECT_EQ(main.Text2.text, ".3");
}

// ---- The race button

using RaceWindowStaging = RaceWindowTest;

TEST_F(RaceWindowStaging, ARightButtonPressOnTheRaceButtonStagesAndShowsIt) {
    auto* button = static_cast<ui::ColouredButton*>(widget(main.Command1));
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(30, 20));
    EXPECT_EQ(main.Command1.caption, "Launch (Up)");
    EXPECT_TRUE(main.Timer6.enabled());
    EXPECT_EQ(button->text(), "Launch (Up)");
    EXPECT_EQ(pixelAt(pixelRect(main.Command1.rect).topLeft() + QPoint(6, 6)), QColor(255, 255, 0));

    advance(800);
    EXPECT_EQ(pixelAt(pixelRect(main.Label1.rect).topLeft() + QPoint(1, 1)), QColor(255, 255, 128));
    EXPECT_EQ(pixelAt(pixelRect(main.Label2.rect).topLeft() + QPoint(1, 1)), QColor(255, 255, 255));
    advance(800);
    EXPECT_EQ(pixelAt(pixelRect(main.Label2.rect).topLeft() + QPoint(1, 1)), QColor(255, 255, 128));
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(30, 20));
}

TEST_F(RaceWindowStaging, SpaceOrEnterOnTheRaceButtonDoesNothing) {
    QWidget* button = widget(main.Command1);
    button->setFocus();
    for (auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(button, key);
    EXPECT_EQ(main.Command1.caption, "Stage (Down)");
    EXPECT_FALSE(main.Timer6.enabled());
}

// A click, Space, Return or keypad Enter on a focused button: each is a click.
TEST_F(RaceWindowStaging, TheSetupButtonTogglesThePanelAndTheQuitButtonCallsItsHook) {
    const std::function<void(QWidget*)> activations[] = {
        [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); },
    };
    int quits = 0;
    window.onQuit([&] { ++quits; });
    for (const auto& activate : activations) {
        const int before = quits;
        widget(main.Command2)->setFocus();
        activate(widget(main.Command2));
        EXPECT_EQ(quits, before + 1);
        widget(main.Command3)->setFocus();
        activate(widget(main.Command3));
        EXPECT_TRUE(main.Frame1.visible);
        EXPECT_TRUE(widget(main.Frame1)->isVisible());
        activate(widget(main.Command3));
        EXPECT_FALSE(main.Frame1.visible);
        EXPECT_TRUE(widget(main.Frame1)->isHidden());
    }
}

TEST_F(RaceWindowStaging, AnErrorInAHandlerIsReportedAndTheWindowGoesOn) {
    std::string reported;
    window.setErrorReport([&](const std::exception& e) { reported = e.what(); });
    int quits = 0;
    window.onQuit([&] {
        ++quits;
        throw OverflowError("16-bit overflow: 32768");
    });
    QTest::mouseClick(widget(main.Command2), Qt::LeftButton);
    EXPECT_EQ(reported, "16-bit overflow: 32768");
    QTest::mouseClick(widget(main.Command2), Qt::LeftButton);
    EXPECT_EQ(quits, 2);
}

}  // namespace
}  // namespace korvane::testing
