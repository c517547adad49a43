#include "race_points.h"

namespace korvane::bench {

namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

Point topLeftOf(const Control& control) {
    Point at{control.rect.left / kTwipsPerPixel, control.rect.top / kTwipsPerPixel};
    if (control.container) {
        const Point outer = topLeftOf(*control.container);
        at.x += outer.x;
        at.y += outer.y;
    }
    return at;
}

Point centreOf(const Control& control) {
    const Point at = topLeftOf(control);
    return {at.x + control.rect.width / kTwipsPerPixel / 2,
            at.y + control.rect.height / kTwipsPerPixel / 2};
}

}  // namespace korvane::bench
