#pragma once

#include <QRect>
#include <map>
#include <vector>

#include "race/control.h"

namespace korvane::ui {

// Remembers how each painted control (label, shape, line, picture) was last put on screen, so
// that only the ones whose look has changed since are painted again.
class ChangedControls {
  public:
    struct Change {
        const Control* control;
        QRect area;  // in its container: where it was and where it is now
    };

    explicit ChangedControls(const std::vector<const Control*>& painted);

    // The controls whose look differs from the one last taken; each is remembered as it is now.
    std::vector<Change> take();
    // The same for one control: empty when it has not changed.
    QRect take(const Control& control);

  private:
    std::map<const Control*, Control> shown_;
};

}  // namespace korvane::ui
