#include "ui/timing/frame_presentation.h"

// Built without the Wayland protocol files: frames are only ever known as flushed.
namespace korvane::ui {

struct FramePresentation::Binding {};

FramePresentation::FramePresentation(QWidget& window) : window_(window) {}
FramePresentation::~FramePresentation() = default;

bool FramePresentation::available() const {
    return false;
}

bool FramePresentation::requestNext(std::function<void(const Presentation&)>) {
    return false;
}

}  // namespace korvane::ui
