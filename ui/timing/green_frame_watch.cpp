#include "ui/timing/green_frame_watch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "common/colour.h"

namespace korvane::ui {

GreenFrameWatch::GreenFrameWatch(QWidget& window, const Control& green, GreenOnsetSource& source,
                                 ReportFor reportFor)
    : QObject(&window),
      window_(window),
      green_(green),
      source_(source),
      reportFor_(std::move(reportFor)) {
    window.installEventFilter(this);
}

// Every repaint of the window, queued or immediate, paints and flushes inside its update
// request, so the request is run here between the two calls.
bool GreenFrameWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::UpdateRequest) return false;
    const bool lit = green_.fillColor == colour::kLitGreen;
    QWindow* handle = window_.windowHandle();
    if (!lit || greenOnScreen_ || !handle) {
        greenOnScreen_ = lit;
        return false;
    }
    greenOnScreen_ = true;
    source_.frameComing(*handle, reportFor_());
    static_cast<QObject&>(window_).event(event);
    source_.frameFlushed();
    return true;
}

}  // namespace korvane::ui
