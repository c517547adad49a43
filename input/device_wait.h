#pragma once

#include <chrono>
#include <map>

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
    int wakeFd_;
    std::map<int, int> files_;
};

}  // namespace korvane::input
