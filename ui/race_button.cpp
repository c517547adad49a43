#include "race_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace korvane::ui {

RaceButton::RaceButton(QWidget* parent) : ColouredButton(parent) {}

void RaceButton::call(const MouseHandler& handler, QMouseEvent* event) {
    if (!handler) return;
    const QPointF at = event->position();
    handler(static_cast<int>(event->button()), static_cast<int>(event->modifiers()),
            static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void RaceButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    setDown(true);
    call(down_, event);
}

// Qt delivers a second press soon after a release as a double click alone, with no press before
// it: it is a press like any other.
void RaceButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void RaceButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() == Qt::NoButton) setDown(false);
    call(up_, event);
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
