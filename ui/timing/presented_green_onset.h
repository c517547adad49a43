#pragma once

#include <memory>
#include <string>

#include "ui/timing/frame_presentation.h"
#include "ui/timing/green_onset.h"

class QWidget;

namespace korvane::ui {

struct ChosenOnset {
    Moment at;
    std::string source;
};

// The presented time when the compositor says the frame reached the screen, not before it was
// flushed; else (discarded, or a clock that disagrees) the flush time.
ChosenOnset chooseOnset(Moment flushed, const Presentation& outcome);

// The onset is when the compositor presented the frame; the flush time where it cannot say.
class PresentedGreenOnset : public GreenOnsetSource {
  public:
    explicit PresentedGreenOnset(QWidget& window);
    bool available() const { return presentation_.available(); }

    void frameComing(QWindow& window, Report report) override;
    void frameFlushed() override;

  private:
    struct Frame {
        Report report;
        Moment flushed{};
        bool asked = false;
    };
    FramePresentation presentation_;
    std::shared_ptr<Frame> frame_;
};

// The presented source where the window system offers presentation feedback, else the flushed.
std::unique_ptr<GreenOnsetSource> greenOnsetFor(QWidget& window);

}  // namespace korvane::ui
