#include "ui/timing/green_onset.h"

#include <utility>

namespace korvane::ui {

void FlushedGreenOnset::frameComing(QWindow& /*window*/, Report report) {
    report_ = std::move(report);
}

void FlushedGreenOnset::frameFlushed() {
    const Moment flushed = std::chrono::steady_clock::now();
    if (Report report = std::exchange(report_, nullptr)) report(flushed, "flushed");
}

}  // namespace korvane::ui
