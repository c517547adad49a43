#pragma once

#include <QLineEdit>

namespace korvane::ui {

// A single-line text box whose font narrows, at the same height, until the whole text shows.
// A plain line edit scrolls a text too wide for it and shows only its end ("puter" for
// "Computer" in the board's stand-in face).
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    // Any narrower and the seven-segment figures no longer read as letters.
    static constexpr int kNarrowest = 45;  // percent of the face's own width

    explicit TextBox(QWidget* parent = nullptr);

    // The pixels across that a text may take and still show whole, right up to its last glyph.
    int textRoom() const;

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitText();
};

}  // namespace korvane::ui
