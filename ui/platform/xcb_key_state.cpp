#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "ui/platform/key_state.h"

namespace korvane::ui {

bool keyHeldDown(quint32 nativeScanCode) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || nativeScanCode == 0 || nativeScanCode > 255) return false;
    xcb_connection_t* connection = x11->connection();
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (!keymap) return false;
    return (keymap->keys[nativeScanCode / 8] & (1U << (nativeScanCode % 8))) != 0;
}

}  // namespace korvane::ui
