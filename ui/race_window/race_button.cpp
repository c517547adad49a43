#include "race_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/timing/input_moment.h"

namespace korvane::ui {

namespace {

// The event's own time stamp: measured truer than the handler's entry.
Moment momentOf(const QMouseEvent& event) {
    return inputMoment(event.timestamp(), std::chrono::steady_clock::now());
}

}  // namespace

RaceButton::RaceButton(QWidget* parent) : ColouredButton(parent) {}

void RaceButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    mouseHeld_ = true;
    showHeld();
    emit mouseDown(momentOf(*event));
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
    emit mouseUp(momentOf(*event));
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
