#include "race_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "ui/assistive_names.h"
#include "ui/control_geometry.h"
#include "ui/control_widgets.h"
#include "ui/font_choice.h"
#include "ui/frame_widget.h"
#include "ui/race_button.h"
#include "ui/widget_mirror.h"

namespace korvane::ui {

RaceWindow::RaceWindow(Main& main, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_(main),
      graphics_(std::as_const(main).controls(), nullptr, pictures_, main.font) {
    setWindowTitle(QString::fromLatin1(MainForm::kCaption));
    setFixedSize(toPixels(MainForm::kClientWidth), toPixels(MainForm::kClientHeight));
    setFont(chooseFont(main.font, main.font));
    buildWidgets(nullptr, this);
    setTabOrder();
    mirror();
    widgetFor(main.raceButton)->setFocus();
    centreOnScreen();
}

QWidget* RaceWindow::widgetFor(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

// Centres the window with its frame, once the frame is known; before that, the client area.
void RaceWindow::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect placed = frameGeometry();
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
}

void RaceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centredWithFrame_) {
        centredWithFrame_ = true;
        centreOnScreen();
    }
}

// Containers come before what they hold, so each child has its parent widget to go in.
void RaceWindow::buildWidgets(const Control* container, QWidget* parent) {
    std::vector<Control*> here;
    for (Control* c : main_.controls()) {
        if (c->container != container || !c->isWidget()) continue;
        QWidget* widget = makeWidget(*c, parent);
        placeWidget(*c, *widget, main_.font);
        nameForAssistiveTools(*c, *widget);
        widgets_[c] = widget;
        here.push_back(c);
        if (c->kind == ControlKind::Frame) buildWidgets(c, widget);
    }
    stackWidgets(here);
}

QWidget* RaceWindow::makeWidget(Control& control, QWidget* parent) {
    if (&control == &main_.raceButton) return makeRaceButton(parent);
    if (control.kind == ControlKind::CommandButton) return makeButton(control, parent);
    if (control.kind == ControlKind::Frame) return makeFrame(control, parent);
    return makeInputWidget(control, parent);
}

RaceButton* RaceWindow::makeRaceButton(QWidget* parent) {
    auto* button = new RaceButton(parent);
    button->onMouseDown([this] { runHandler([this] { main_.stagePressed(); }); });
    button->onMouseUp([this] { runHandler([this] { main_.launched(); }); });
    return button;
}

QWidget* RaceWindow::makeButton(Control& control, QWidget* parent) {
    auto* button = new ColouredButton(parent);
    // Return and Enter press a focused button as Space does, as on the desktop.
    button->setAutoDefault(true);
    if (&control == &main_.setupButton) {
        connect(button, &QPushButton::clicked, this,
                [this] { runHandler([this] { main_.setupButtonClicked(); }); });
    } else if (&control == &main_.quitButton) {
        connect(button, &QPushButton::clicked, this, [this] {
            if (quit_) runHandler(quit_);
        });
    }
    return button;
}

FrameWidget* RaceWindow::makeFrame(Control& control, QWidget* parent) {
    auto graphics = std::make_unique<GraphicsPainter>(std::as_const(main_).controls(), &control,
                                                      pictures_, main_.font);
    auto* frame = new FrameWidget(std::move(graphics), parent);
    frames_.push_back(frame);
    return frame;
}

// Raising back to front leaves the front control on top.
void RaceWindow::stackWidgets(const std::vector<Control*>& controls) {
    std::vector<Control*> backToFront = controls;
    std::sort(backToFront.begin(), backToFront.end(),
              [](const Control* a, const Control* b) { return a->zOrder > b->zOrder; });
    for (Control* c : backToFront) widgets_[c]->raise();
}

void RaceWindow::setTabOrder() {
    std::vector<const Control*> stops;
    for (const auto& [control, widget] : widgets_) {
        if (control->tabStop) stops.push_back(control);
    }
    std::sort(stops.begin(), stops.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(widgets_[stops[i - 1]], widgets_[stops[i]]);
    }
}

void RaceWindow::runHandler(const std::function<void()>& handler) {
    runGuarded(handler, report_);
    mirror();
}

void RaceWindow::mirror() {
    for (const auto& [control, widget] : widgets_) mirrorOnto(*control, *widget);
    update();
    for (QWidget* frame : frames_) frame->update();
}

// The handlers ask for these right before a sound that blocks the event loop, so the picture
// must be on screen when they return.
void RaceWindow::refresh(const Control& control) {
    mirror();
    if (QWidget* widget = widgetFor(control)) {
        widget->repaint();
        return;
    }
    QWidget* surface = control.container ? widgetFor(*control.container) : this;
    if (surface) surface->repaint(pixelBounds(control));
}

void RaceWindow::refreshWindow() {
    mirror();
    repaint();
}

void RaceWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    pictures_.draw(painter, Picture::Background, QPoint(0, 0));
    graphics_.paint(painter);
}

}  // namespace korvane::ui
