#include "ui/platform/destroyed_window_filter.h"

#include "ui/platform/destroy_notify.h"

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
    const WId gone = destroyedWindow(eventType, message);
    if (gone != 0 && gone == window_.internalWinId()) destroyed_();
    return false;
}

}  // namespace korvane::ui
