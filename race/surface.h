#pragma once

namespace korvane {

struct Control;

// Immediate repaints that handlers ask for; the binding paints and flushes before returning.
class Surface {
  public:
    virtual ~Surface() = default;
    virtual void refresh(const Control& control) = 0;
    virtual void refreshWindow() = 0;
};

}  // namespace korvane
