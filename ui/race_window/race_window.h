#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "common/handler_guard.h"
#include "common/moment.h"
#include "input/race_button_holders.h"
#include "race/main.h"
#include "race/surface.h"
#include "ui/kit/picture_book.h"
#include "ui/race_window/changed_controls.h"
#include "ui/race_window/graphics_painter.h"

namespace korvane::ui {

class FrameWidget;
class RaceButton;
class ResultCover;

// The race window on screen: paints the background picture and the window's graphics, holds a
// widget for every text box, button, frame, option, check box and scroll bar, passes the
// player's input to the handlers and copies the model back onto the screen after each one.
class RaceWindow : public QWidget, public Surface, public ReleaseWatch {
    Q_OBJECT

  public:
    // An error no handler traps goes to the report (to stderr when there is none).
    explicit RaceWindow(Main& main, ErrorReport report = {}, QWidget* parent = nullptr);

    // Copies the model onto the widgets and schedules a repaint of what changed since the last
    // time; when nothing did, nothing is painted.
    void mirror();
    void refresh(const Control& control) override;
    void refreshWindow() override;
    // Sends the release the handler judged on, before the handler goes on to its sound.
    void judged(const ReleaseOutcome& outcome) override;

    // The race button goes down or comes up, from the mouse or any other input; a release comes
    // with the moment the platform stamped it.
    void raceButtonDown();
    void raceButtonUp(Moment at);
    // The race key or a controller's button or pedal going down or coming up: the first down
    // stages and the last up launches, and the button looks pressed while any holds it.
    void heldInput(const input::HeldInputs::Input& holder, bool down, Moment at);

    // The results blocker: each launch's outcome covered until the racer asks to see it.
    void setResultsHidden(bool on);
    bool resultCovered() const;

    // The widget that shows a control; nullptr for the painted ones.
    QWidget* widgetFor(const Control& control) const;
    void centreOnScreen();
    // When the window was first shown; none before.
    std::optional<Moment> shownSince() const { return shownSince_; }

  signals:
    // The quit button's click belongs to the program's life, not to the race.
    void quitClicked();
    // The player's input reaches a handler: sent before the handler runs, so the timer service
    // delivers the ticks that fell due before the input.
    void inputArriving();
    // The results blocker's cover came off: the racer asked to see the result.
    void resultRevealed();
    // A counted release as soon as the board shows it, before its sound: the release's moment
    // (the racer's hand, before any car delay) and what it judged.
    void released(korvane::Moment at, const korvane::ReleaseOutcome& outcome);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildWidgets(const Control* container, QWidget* parent);
    QWidget* makeWidget(Control& control, QWidget* parent);
    RaceButton* makeRaceButton(QWidget* parent);
    QWidget* makeButton(Control& control, QWidget* parent);
    FrameWidget* makeFrame(Control& control, QWidget* parent);
    void stackWidgets(const std::vector<Control*>& controls);
    void setTabOrder();
    // Runs an input's handler and shows what it changed; the control given is painted at once.
    void runHandler(const std::function<void()>& handler, const Control* shownFirst = nullptr);
    void carLeaves();
    bool carWaiting() const;
    // The button looks pressed while any input or the car delay holds it.
    void showButtonHeld();
    void prepareFirstPress();
    QWidget* surfaceFor(const Control& painted);

    Main& main_;
    PictureBook pictures_;
    GraphicsPainter graphics_;
    ChangedControls changed_;
    std::map<const Control*, QWidget*> widgets_;
    ErrorReport report_;
    bool centredWithFrame_ = false;
    std::optional<Moment> shownSince_;
    Moment releasedAt_;  // the moment of the release being handled
    input::RaceButtonHolders holders_;
    bool pressIgnored_ = false;
    ResultCover* cover_;
};

}  // namespace korvane::ui
