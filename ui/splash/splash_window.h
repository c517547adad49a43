#pragma once

#include <QWidget>

#include "ui/kit/picture_book.h"

namespace korvane::ui {

// The start-up window on screen: the splash picture in a plain frame with no title bar, kept
// out of the task bar. It takes no input and cannot be closed by the player.
class SplashWindow : public QWidget {
  public:
    SplashWindow();
    // Whether the picture has been drawn on screen yet.
    bool painted() const { return painted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    PictureBook pictures_;
    bool painted_ = false;
};

}  // namespace korvane::ui
