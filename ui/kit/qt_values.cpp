#include "ui/kit/qt_values.h"

#include <QGuiApplication>
#include <QPalette>

namespace korvane::ui {

QColor toQColor(Colour colour) {
    return QColor(colour::red(colour), colour::green(colour), colour::blue(colour));
}

QColor buttonFaceColour() {
    return QGuiApplication::palette().color(QPalette::Button);
}

QColor windowTextColour() {
    return QGuiApplication::palette().color(QPalette::WindowText);
}

QColor backOrFace(const std::optional<Colour>& colour) {
    return colour ? toQColor(*colour) : buttonFaceColour();
}

QColor foreOrText(const std::optional<Colour>& colour) {
    return colour ? toQColor(*colour) : windowTextColour();
}

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace korvane::ui
