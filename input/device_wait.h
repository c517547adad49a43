#pragma once

#include <chrono>
#include <memory>

namespace korvane::input {

// Sleeps until a controller's device file has something to read, someone wakes the sleeper or
// the time is up: the kernel wakes the game only when a controller reports.
class DeviceWait {
  public:
    DeviceWait();
    ~DeviceWait();
    DeviceWait(const DeviceWait&) = delete;
    DeviceWait& operator=(const DeviceWait&) = delete;

    // False when the file will not open (the controller then has to be looked at often).
    bool watch(int id, const char* path);
    void forget(int id);
    // From any thread: the wait ends at once.
    void wake();
    void wait(std::chrono::milliseconds timeout);

  private:
    struct Handles;  // the platform's own: device files and a wake-up handle, or a condition
    std::unique_ptr<Handles> handles_;
};

}  // namespace korvane::input
