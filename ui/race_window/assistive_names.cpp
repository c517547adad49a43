#include "assistive_names.h"

#include <string_view>

namespace korvane::ui {

namespace {

struct Role {
    std::string_view control;
    const char* name;  // nullptr: named by its caption
    const char* description;
};

constexpr Role kRoles[] = {
    {"Text1", "Player time", "Your reaction time in seconds"},
    {"Text2", "Computer time", "The computer's reaction time in seconds"},
    {"Text3", "Computer winner", "Shows when the computer wins the race"},
    {"Text4", "Player winner", "Shows when you win the race"},
    {"Text5", "Computer wins label", ""},
    {"Text6", "Player wins label", ""},
    {"Text7", "Player wins", "Races you have won"},
    {"Text8", "Computer wins", "Races the computer has won"},
    {"RollOut", "Rollout", "Where your reaction clock starts, in thousandths of a second"},
    {"Frame1", nullptr, "Tree, sound, rollout and skill level"},
    {"Frame2", nullptr, "Pro Tree or Standard Tree"},
    {"Command1", nullptr, "Hold a mouse button down on it to stage, let go to launch"},
    {"Command2", nullptr, "Ends the game"},
    {"Command3", nullptr, "Opens and closes the setup panel"},
};

// A scroll bar's name carries its range, which the bar itself does not announce.
QString nameOf(const Control& control, const char* name) {
    QString text = QString::fromLatin1(name);
    if (control.kind == ControlKind::HScrollBar) {
        text += QStringLiteral(", %1 to %2").arg(control.min).arg(control.max);
    }
    return text;
}

}  // namespace

void nameForAssistiveTools(const Control& control, QWidget& widget) {
    // Qt names a frame inside a frame after the outer one's caption.
    if (control.kind == ControlKind::Frame) {
        widget.setAccessibleName(QString::fromStdString(control.caption));
    }
    const std::string name = control.displayName();
    for (const Role& role : kRoles) {
        if (role.control != name) continue;
        if (role.name) widget.setAccessibleName(nameOf(control, role.name));
        widget.setAccessibleDescription(QString::fromLatin1(role.description));
        return;
    }
}

}  // namespace korvane::ui
