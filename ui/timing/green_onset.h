#pragma once

#include <functional>
#include <string>

#include "common/moment.h"

class QWindow;

namespace korvane::ui {

// When the frame that first shows the player's green reached the screen. The race window tells
// it just before that frame is handed to the display and again once the frame was flushed; the
// onset may be reported then or later, from the event loop, at most once per frame.
class GreenOnsetSource {
  public:
    // The moment the frame reached the screen, and what told it: "flushed" or "presented".
    using Report = std::function<void(Moment onset, const std::string& source)>;

    virtual ~GreenOnsetSource() = default;
    // Before the frame is painted and committed, so feedback can be asked for it.
    virtual void frameComing(QWindow& window, Report report) = 0;
    // The frame has been handed over and flushed to the display.
    virtual void frameFlushed() = 0;
};

// The onset is the moment the frame was flushed, read right after the flush returns.
class FlushedGreenOnset : public GreenOnsetSource {
  public:
    void frameComing(QWindow& window, Report report) override;
    void frameFlushed() override;

  private:
    Report report_;
};

}  // namespace korvane::ui
