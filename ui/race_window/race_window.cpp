#include "race_window.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ui/kit/control_geometry.h"
#include "ui/kit/font_choice.h"
#include "ui/placement/window_placement.h"
#include "ui/race_window/assistive_names.h"
#include "ui/race_window/control_widgets.h"
#include "ui/race_window/frame_widget.h"
#include "ui/race_window/paint_threads.h"
#include "ui/race_window/race_button.h"
#include "ui/race_window/result_cover.h"
#include "ui/race_window/widget_mirror.h"
#include "ui/timing/compositor_flush.h"

namespace korvane::ui {

namespace {

std::vector<const Control*> paintedControls(const std::vector<const Control*>& all) {
    std::vector<const Control*> painted;
    for (const Control* c : all) {
        if (!c->isWidget()) painted.push_back(c);
    }
    return painted;
}

}  // namespace

RaceWindow::RaceWindow(Main& main, ErrorReport report, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_(main),
      graphics_(std::as_const(main).controls(), nullptr, pictures_, main.font),
      changed_(paintedControls(std::as_const(main).controls())),
      report_(std::move(report)) {
    setWindowTitle(QString::fromLatin1(MainForm::kCaption));
    setFixedSize(toPixels(MainForm::kClientWidth), toPixels(MainForm::kClientHeight));
    setFont(chooseFont(main.font, main.font));
    buildWidgets(nullptr, this);
    setTabOrder();
    cover_ = new ResultCover(*this, main);
    cover_->onRevealed([this] { emit resultRevealed(); });
    mirror();
    widgetFor(main.raceButton)->setFocus();
    centreOnScreen();
    if (CarDelay* car = main.carDelay()) car->timer().onTick([this] { carLeaves(); });
}

QWidget* RaceWindow::widgetFor(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

// Centres the window with its frame, once the frame is known; before that, the client area.
void RaceWindow::centreOnScreen() {
    if (!windowsPlaceThemselves()) return;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    move(centredTopLeft(frameGeometry(), screen->availableGeometry()));
}

void RaceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centredWithFrame_) {
        centredWithFrame_ = true;
        shownSince_ = std::chrono::steady_clock::now();
        centreOnScreen();
        // Once the first frame is out of the way.
        QTimer::singleShot(0, this, [this] { prepareFirstPress(); });
    }
}

// What the first press would otherwise set up while the player waits for the button to show it.
void RaceWindow::prepareFirstPress() {
    keepPaintThreadsReady();
    static_cast<RaceButton*>(widgetFor(main_.raceButton))
        ->prepareCaption(QString::fromLatin1(Main::kLaunchCaption));
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
    // Direct: the press and release reach their handlers inside the mouse event, no hop later.
    connect(button, &RaceButton::mouseDown, this, &RaceWindow::raceButtonDown,
            Qt::DirectConnection);
    connect(button, &RaceButton::mouseUp, this, &RaceWindow::raceButtonUp, Qt::DirectConnection);
    return button;
}

// The press is seen in the race button itself, so it is shown before the rest of the window.
// While the car waits to leave, the racer's hand is not the car's: a press and its release are
// ignored.
void RaceWindow::raceButtonDown() {
    if (carWaiting()) {
        pressIgnored_ = true;
        return;
    }
    runHandler([this] { main_.stagePressed(); }, &main_.raceButton);
    cover_->staged();
}

void RaceWindow::setResultsHidden(bool on) {
    cover_->setOn(on);
}

bool RaceWindow::resultCovered() const {
    return cover_->covering();
}

void RaceWindow::raceButtonUp(Moment at) {
    if (std::exchange(pressIgnored_, false) || carWaiting()) return;
    CarDelay* car = main_.carDelay();
    if (car != nullptr && car->hold(at)) {
        showButtonHeld();
        return;
    }
    cover_->launching();
    releasedAt_ = at;
    runHandler([this] { main_.launched(); });
}

void RaceWindow::judged(const ReleaseOutcome& outcome) {
    emit released(releasedAt_, outcome);
}

// The car delay's end: the release runs as if the racer had let go now. Every tick due before
// has been delivered, in deadline order, so no input's catching up is needed.
void RaceWindow::carLeaves() {
    releasedAt_ = main_.carDelay()->letGo();
    showButtonHeld();
    cover_->launching();
    runGuarded([this] { main_.launched(); }, report_);
    mirror();
}

bool RaceWindow::carWaiting() const {
    return main_.carDelay() != nullptr && main_.carDelay()->holding();
}

void RaceWindow::showButtonHeld() {
    static_cast<RaceButton*>(widgetFor(main_.raceButton))
        ->setHeldElsewhere(holders_.any() || carWaiting());
}

void RaceWindow::heldInput(const input::HeldInputs::Input& holder, bool down, Moment at) {
    const input::Edge edge = holders_.change(holder, down);
    showButtonHeld();
    if (edge == input::Edge::Down) raceButtonDown();
    if (edge == input::Edge::Up) raceButtonUp(at);
}

QWidget* RaceWindow::makeButton(Control& control, QWidget* parent) {
    auto* button = new ColouredButton(parent);
    // Return and Enter press a focused button as Space does, as on the desktop.
    button->setAutoDefault(true);
    if (&control == &main_.setupButton) {
        connect(button, &QPushButton::clicked, this,
                [this] { runHandler([this] { main_.setupButtonClicked(); }); });
    } else if (&control == &main_.quitButton) {
        connect(button, &QPushButton::clicked, this,
                [this] { runHandler([this] { emit quitClicked(); }); });
    }
    return button;
}

FrameWidget* RaceWindow::makeFrame(Control& control, QWidget* parent) {
    auto graphics = std::make_unique<GraphicsPainter>(std::as_const(main_).controls(), &control,
                                                      pictures_, main_.font);
    return new FrameWidget(std::move(graphics), parent);
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

void RaceWindow::runHandler(const std::function<void()>& handler, const Control* shownFirst) {
    emit inputArriving();
    runGuarded(handler, report_);
    if (shownFirst) refresh(*shownFirst);
    mirror();
}

QWidget* RaceWindow::surfaceFor(const Control& painted) {
    return painted.container ? widgetFor(*painted.container) : this;
}

// Widgets repaint themselves when a property really changes; painted controls are compared
// with how they were last shown.
void RaceWindow::mirror() {
    for (const auto& [control, widget] : widgets_) mirrorOnto(*control, *widget);
    for (const auto& change : changed_.take()) {
        if (QWidget* surface = surfaceFor(*change.control)) surface->update(change.area);
    }
}

// The handlers ask for these right before a sound that blocks the event loop, so the picture
// must be on screen when they return. One control's refresh shows that control alone; the rest
// of what the handler changed waits for the window's refresh.
void RaceWindow::refresh(const Control& control) {
    if (QWidget* widget = widgetFor(control)) {
        mirrorOnto(control, *widget);
        widget->repaint();
        flushToCompositor();
        return;
    }
    const QRect area = changed_.take(control) | pixelBounds(control).adjusted(-1, -1, 1, 1);
    if (QWidget* surface = surfaceFor(control)) surface->repaint(area);
    flushToCompositor();
}

void RaceWindow::refreshWindow() {
    mirror();
    repaint();
    flushToCompositor();
}

void RaceWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    pictures_.draw(painter, Picture::Background, QPoint(0, 0));
    graphics_.paint(painter, event->rect());
}

}  // namespace korvane::ui
