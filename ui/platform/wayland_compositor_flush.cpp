#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>

#include "ui/timing/compositor_flush.h"

namespace korvane::ui {

void flushToCompositor() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    if (auto* display =
            static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))) {
        wl_display_flush(display);
    }
}

}  // namespace korvane::ui
