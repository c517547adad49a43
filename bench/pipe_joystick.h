#pragma once

#include <functional>
#include <string>
#include <thread>

struct _SDL_Joystick;

namespace korvane::input {

// For the benchmarks: a virtual one-button joystick inside the game, pressed by a 'd' and
// let go by a 'u' written to a named pipe, so a program outside can time what the game shows.
// Each change wakes the reader, as a real controller's device file does.
class PipeJoystick {
  public:
    PipeJoystick(const std::string& path, std::function<void()> wake);
    int id() const;
    ~PipeJoystick();
    PipeJoystick(const PipeJoystick&) = delete;
    PipeJoystick& operator=(const PipeJoystick&) = delete;

  private:
    void read(const std::stop_token& stop, const std::string& path);

    std::function<void()> wake_;
    _SDL_Joystick* joystick_ = nullptr;
    std::jthread thread_;
};

}  // namespace korvane::input
