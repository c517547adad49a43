#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <vector>

namespace korvane::ui {

// A push button that shows its background colour (the style alone would draw its own face).
class ColouredButton : public QPushButton {
    Q_OBJECT

  public:
    explicit ColouredButton(QWidget* parent = nullptr);
    void setFace(const QColor& colour);
    // Sets the caption, narrowing the button's font if the caption would not fit otherwise.
    void setCaption(const QString& caption);
    // Fits and draws a caption off screen, so that showing it first costs no more than again.
    void prepareCaption(const QString& caption);
    QColor face() const { return face_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Fitted {
        QString caption;
        int room;
        QFont base;
        QFont font;
    };

    QFont fittedFont(const QString& caption);

    QColor face_;
    std::vector<Fitted> fitted_;
};

}  // namespace korvane::ui
