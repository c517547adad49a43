#include "ui/destroyed_window_filter.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QWidget>

namespace korvane::ui {

DestroyedWindowFilter::DestroyedWindowFilter(const QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindowFilter::~DestroyedWindowFilter() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DestroyedWindowFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                              qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit tells an event another client sent; a forged one counts the same.
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
    const auto* gone = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (window_.internalWinId() != 0 && gone->window == window_.internalWinId()) destroyed_();
    return false;
}

}  // namespace korvane::ui
