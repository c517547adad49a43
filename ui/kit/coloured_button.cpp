#include "coloured_button.h"

#include "ui/kit/font_choice.h"

namespace korvane::ui {

ColouredButton::ColouredButton(QWidget* parent) : QPushButton(parent) {}

// A raised bevel in lighter and darker shades of the face, sunk while held down, and a black
// edge while the button has the focus.
void ColouredButton::setFace(const QColor& colour) {
    if (colour == face_) return;
    face_ = colour;
    const QString face = colour.name();
    const QString light = colour.lighter(160).name();
    const QString dark = colour.darker(180).name();
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                 " border: 2px solid; border-color: %2 %3 %3 %2; padding: 0px; }"
                                 "QPushButton:focus { border-color: black; }"
                                 "QPushButton:pressed { border-color: %3 %2 %2 %3; }")
                      .arg(face, light, dark));
}

void ColouredButton::setCaption(const QString& caption) {
    if (caption == text()) return;
    constexpr int kBevels = 2 * 2 + 2;  // both borders and a pixel of air each side
    setFont(fitToWidth(font(), caption, width() - kBevels));
    setText(caption);
}

}  // namespace korvane::ui
