#include "control.h"

namespace korvane {

bool Control::isWidget() const {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Shape:
        case ControlKind::Line:
        case ControlKind::Image:
            return false;
        default:
            return true;
    }
}

std::string Control::displayName() const {
    return index > 0 ? name + "(" + std::to_string(index) + ")" : name;
}

}  // namespace korvane
