#pragma once

#include "common/moment.h"
#include "ui/kit/coloured_button.h"

namespace korvane::ui {

// The race button: every press and every release of any mouse button is an event of its own.
// It has no click, and the keyboard does nothing to it.
class RaceButton : public ColouredButton {
    Q_OBJECT

  public:
    explicit RaceButton(QWidget* parent = nullptr);
    // Held by another input (a controller): the button looks pressed while either holds it.
    void setHeldElsewhere(bool held);

  signals:
    // Any mouse button goes down or comes up, at the moment the event happened; which button,
    // which modifiers and where in the button make no difference.
    void mouseDown(korvane::Moment at);
    void mouseUp(korvane::Moment at);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void showHeld() { setDown(mouseHeld_ || heldElsewhere_); }

    bool mouseHeld_ = false;
    bool heldElsewhere_ = false;
};

}  // namespace korvane::ui
