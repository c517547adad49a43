#include "text_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "ui/kit/font_choice.h"

namespace korvane::ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::fitText);
}

// What the line edit keeps for itself inside its contents: two pixels of air at each side, a
// pixel for the cursor past the text, and room for glyphs that reach beyond their advance.
int TextBox::textRoom() const {
    constexpr int kAir = 2;
    constexpr int kCursor = 1;
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    const QFontMetrics metrics(font());
    const int leftOverhang = std::max(0, -metrics.minLeftBearing());
    const int rightOverhang = std::max(0, -metrics.minRightBearing());
    return contents.width() - 2 * kAir - kCursor - 2 * leftOverhang - rightOverhang;
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitText();
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

// Setting an equal font changes nothing, so the font change this causes ends here.
void TextBox::fitText() {
    const QFont fitted = fitToWidth(font(), text(), textRoom(), kNarrowest);
    if (fitted != font()) setFont(fitted);
}

}  // namespace korvane::ui
