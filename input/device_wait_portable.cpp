#include <condition_variable>
#include <mutex>

#include "input/device_wait.h"

namespace korvane::input {

// Where device files cannot be watched, every controller is looked at on a short period and
// only the wake-up ends a wait early.
struct DeviceWait::Handles {
    std::mutex mutex;
    std::condition_variable woken;
    bool wakeAsked = false;
};

DeviceWait::DeviceWait() : handles_(std::make_unique<Handles>()) {}

DeviceWait::~DeviceWait() = default;

bool DeviceWait::watch(int /*id*/, const char* /*path*/) {
    return false;
}

void DeviceWait::forget(int /*id*/) {}

void DeviceWait::wake() {
    const std::scoped_lock lock(handles_->mutex);
    handles_->wakeAsked = true;
    handles_->woken.notify_one();
}

void DeviceWait::wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(handles_->mutex);
    handles_->woken.wait_for(lock, timeout, [this] { return handles_->wakeAsked; });
    handles_->wakeAsked = false;
}

}  // namespace korvane::input
