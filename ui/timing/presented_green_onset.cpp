#include "ui/timing/presented_green_onset.h"

#include <utility>

namespace korvane::ui {

ChosenOnset chooseOnset(Moment flushed, const Presentation& outcome) {
    if (outcome.presented && outcome.at >= flushed) return {outcome.at, "presented"};
    return {flushed, "flushed"};
}

PresentedGreenOnset::PresentedGreenOnset(QWidget& window) : presentation_(window) {}

// The feedback is bound to this frame, so a report that comes late never reaches a later one.
void PresentedGreenOnset::frameComing(QWindow& /*window*/, Report report) {
    frame_ = std::make_shared<Frame>();
    frame_->report = std::move(report);
    frame_->asked = presentation_.requestNext([frame = frame_](const Presentation& outcome) {
        const ChosenOnset onset = chooseOnset(frame->flushed, outcome);
        if (frame->report) frame->report(onset.at, onset.source);
    });
}

void PresentedGreenOnset::frameFlushed() {
    const Moment flushed = std::chrono::steady_clock::now();
    const std::shared_ptr<Frame> frame = std::exchange(frame_, nullptr);
    if (!frame) return;
    frame->flushed = flushed;
    if (!frame->asked && frame->report) frame->report(flushed, "flushed");
}

std::unique_ptr<GreenOnsetSource> greenOnsetFor(QWidget& window) {
    auto presented = std::make_unique<PresentedGreenOnset>(window);
    if (presented->available()) return presented;
    return std::make_unique<FlushedGreenOnset>();
}

}  // namespace korvane::ui
