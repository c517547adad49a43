#include "scroll_bar.h"

#include <QKeyEvent>

namespace korvane::ui {

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (orientation() != Qt::Horizontal || (key != Qt::Key_Left && key != Qt::Key_Right)) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(key == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
    event->accept();
}

}  // namespace korvane::ui
