#include <xcb/xcb.h>

#include "ui/platform/destroy_notify.h"

namespace korvane::ui {

WId destroyedWindow(const QByteArray& eventType, const void* message) {
    if (eventType != "xcb_generic_event_t") return 0;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit tells an event another client sent; a forged one counts the same.
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return 0;
    return static_cast<const xcb_destroy_notify_event_t*>(message)->window;
}

}  // namespace korvane::ui
