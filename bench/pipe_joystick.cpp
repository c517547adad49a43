#include "bench/pipe_joystick.h"

#include <cstdlib>

#include "input/extra_joystick.h"

#include <SDL.h>

#if __has_include(<poll.h>)
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#define KORVANE_NAMED_PIPES 1
#endif

#include <cstdio>

namespace korvane::input {

PipeJoystick::PipeJoystick(const std::string& path, std::function<void()> wake)
    : wake_(std::move(wake)) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.nbuttons = 1;
    desc.name = "Korvane benchmark button";
    joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    if (joystick_ == nullptr) {
        std::fprintf(stderr, "korvane: no benchmark joystick: %s\n", SDL_GetError());
        return;
    }
    // Scripts that choose this controller in the practice settings need its GUID.
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), guid, sizeof guid);
    std::fprintf(stderr, "korvane: benchmark joystick %s\n", guid);
    thread_ = std::jthread([this, path](const std::stop_token& stop) { read(stop, path); });
}

int PipeJoystick::id() const {
    return joystick_ == nullptr ? -1 : SDL_JoystickInstanceID(joystick_);
}

PipeJoystick::~PipeJoystick() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
}

#ifdef KORVANE_NAMED_PIPES

// Waits in slices so the game can end while nothing is written.
void PipeJoystick::read(const std::stop_token& stop, const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return;
    pollfd watch{fd, POLLIN, 0};
    char byte = 0;
    while (!stop.stop_requested()) {
        if (::poll(&watch, 1, 100) <= 0) continue;
        if (::read(fd, &byte, 1) != 1) {
            ::usleep(100000);  // no writer yet, or it went away
            continue;
        }
        if (byte != 'd' && byte != 'u') continue;
        SDL_JoystickSetVirtualButton(joystick_, 0, byte == 'd' ? SDL_PRESSED : SDL_RELEASED);
        wake_();
    }
    ::close(fd);
}

#else

// The benchmarks drive the game through a named pipe, which only POSIX systems have.
void PipeJoystick::read(const std::stop_token& /*stop*/, const std::string& /*path*/) {
    std::fprintf(stderr, "korvane: no benchmark joystick: no named pipes here\n");
}

#endif

// Only this build of the game reads KORVANE_BENCH_JOYSTICK: the installed game has no such hook.
ExtraJoystick openExtraJoystick(std::function<void()> wake) {
    const char* pipe = std::getenv("KORVANE_BENCH_JOYSTICK");
    if (pipe == nullptr) return {};
    auto joystick = std::make_shared<PipeJoystick>(pipe, std::move(wake));
    return {joystick->id(), joystick};
}

}  // namespace korvane::input
