#include "race_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace korvane::ui {

RaceButton::RaceButton(QWidget* parent) : ColouredButton(parent) {}

void RaceButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    mouseHeld_ = true;
    showHeld();
    if (down_) down_();
}

// Qt delivers a second press soon after a release as a double click alone, with no press before
// it: it is a press like any other.
void RaceButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void RaceButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    mouseHeld_ = event->buttons() != Qt::NoButton;
    showHeld();
    if (up_) up_();
}

void RaceButton::setHeldElsewhere(bool held) {
    heldElsewhere_ = held;
    showHeld();
}

// The button stays down while held, wherever the pointer goes.
void RaceButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void RaceButton::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void RaceButton::keyReleaseEvent(QKeyEvent* event) {
    event->ignore();
}

}  // namespace korvane::ui
