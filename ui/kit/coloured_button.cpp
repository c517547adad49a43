#include "coloured_button.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionButton>

#include "ui/kit/button_face.h"
#include "ui/kit/font_choice.h"

namespace korvane::ui {

ColouredButton::ColouredButton(QWidget* parent) : QPushButton(parent) {}

void ColouredButton::setFace(const QColor& colour) {
    if (colour == face_) return;
    face_ = colour;
    update();
}

void ColouredButton::paintEvent(QPaintEvent* /*event*/) {
    QStyleOptionButton option;
    initStyleOption(&option);
    QPainter painter(this);
    paintButtonFace(painter, option, face_);
}

void ColouredButton::setCaption(const QString& caption) {
    if (caption == text()) return;
    setFont(fittedFont(caption));
    setText(caption);
}

void ColouredButton::prepareCaption(const QString& caption) {
    QImage scratch(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setFont(fittedFont(caption));
    painter.drawText(scratch.rect(), Qt::AlignCenter, caption);
}

// The race button swaps two captions on every press; measuring one again costs more than
// painting the button, so each caption's fitted font is kept for as long as the room is the same.
QFont ColouredButton::fittedFont(const QString& caption) {
    constexpr int kBevels = 2 * 2 + 2;  // both borders and a pixel of air each side
    constexpr std::size_t kKept = 8;
    QFont base = font();
    base.setStretch(QFont::Unstretched);
    const int room = width() - kBevels;
    for (const Fitted& kept : fitted_) {
        if (kept.caption == caption && kept.room == room && kept.base == base) return kept.font;
    }
    if (fitted_.size() == kKept) fitted_.clear();
    fitted_.push_back({caption, room, base, fitToWidth(base, caption, room)});
    return fitted_.back().font;
}

}  // namespace korvane::ui
