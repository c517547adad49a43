#include "changed_controls.h"

#include <tuple>

#include "ui/kit/control_geometry.h"

namespace korvane::ui {

namespace {

auto placeOf(const Control& c) {
    return std::tie(c.rect.left, c.rect.top, c.rect.width, c.rect.height, c.line.x1, c.line.y1,
                    c.line.x2, c.line.y2);
}

// Everything the painter reads of a label, shape, line or picture besides its place.
auto looksOf(const Control& c) {
    return std::tie(c.visible, c.caption, c.backColor, c.foreColor, c.borderColor, c.fillColor,
                    c.fillSolid, c.shape, c.alignment, c.picture, c.font.face, c.font.points,
                    c.font.bold);
}

bool paintsAlike(const Control& a, const Control& b) {
    return placeOf(a) == placeOf(b) && looksOf(a) == looksOf(b);
}

}  // namespace

ChangedControls::ChangedControls(const std::vector<const Control*>& painted) {
    for (const Control* c : painted) shown_.emplace(c, *c);
}

std::vector<ChangedControls::Change> ChangedControls::take() {
    std::vector<Change> changed;
    for (const auto& [control, shown] : shown_) {
        const QRect area = take(*control);
        if (!area.isEmpty()) changed.push_back({control, area});
    }
    return changed;
}

// A pixel of margin each side covers the antialiased edges of circles and lines.
QRect ChangedControls::take(const Control& control) {
    const auto found = shown_.find(&control);
    if (found == shown_.end() || paintsAlike(found->second, control)) return {};
    const QRect area = pixelBounds(found->second) | pixelBounds(control);
    found->second = control;
    return area.adjusted(-1, -1, 1, 1);
}

}  // namespace korvane::ui
