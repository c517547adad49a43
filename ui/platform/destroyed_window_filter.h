#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

namespace korvane::ui {

// Tells when another program destroys one of our windows on the X display (xdotool windowclose,
// say). Qt is never told: without this the game would run on with no window and no way out.
class DestroyedWindowFilter : public QAbstractNativeEventFilter {
  public:
    DestroyedWindowFilter(const QWidget& window, std::function<void()> destroyed);
    ~DestroyedWindowFilter() override;
    DestroyedWindowFilter(const DestroyedWindowFilter&) = delete;
    DestroyedWindowFilter& operator=(const DestroyedWindowFilter&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    const QWidget& window_;
    std::function<void()> destroyed_;
};

}  // namespace korvane::ui
