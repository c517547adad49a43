#pragma once

#include <QScrollBar>

namespace korvane::ui {

// A scroll bar whose Left and Right keys step towards the arrow. Qt's scroll bars invert their
// keys to suit a vertical bar, which on a horizontal one sends Left to the right.
class ScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    using QScrollBar::QScrollBar;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace korvane::ui
