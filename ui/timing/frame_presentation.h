#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "common/moment.h"

class QWidget;

namespace korvane::ui {

// What the compositor said about one frame: when it turned into light, or that it never did
// (a later frame replaced it first).
struct Presentation {
    bool presented = false;
    Moment at{};                          // on the steady clock; only when presented
    std::chrono::nanoseconds refresh{0};  // the output's refresh period; zero when unknown
};

// The compositor's presentation time of a window's frames (wp_presentation on Wayland). On X11,
// or where the compositor offers no presentation feedback, it is not available and the caller
// keeps the time the frame was flushed.
class FramePresentation {
  public:
    explicit FramePresentation(QWidget& window);
    ~FramePresentation();
    FramePresentation(const FramePresentation&) = delete;
    FramePresentation& operator=(const FramePresentation&) = delete;

    bool available() const;
    // Asks when the window's next committed frame reaches the screen: call it just before the
    // repaint that commits the frame. `done` runs once, later, on the GUI thread from the event
    // loop, unless this object goes first. Says false, and never runs `done`, when unavailable
    // or the window has no surface yet.
    bool requestNext(std::function<void(const Presentation&)> done);

    struct Binding;

  private:
    [[maybe_unused]] QWidget& window_;  // unused where only flush times are known
    std::unique_ptr<Binding> binding_;
};

}  // namespace korvane::ui
