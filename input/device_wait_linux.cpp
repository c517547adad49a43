#include "input/device_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace korvane::input {

struct DeviceWait::Handles {
    int wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    std::map<int, int> files;
};

namespace {

// What is read is thrown away: SDL reads the same reports from its own handle.
void drain(int fd) {
    std::array<char, 512> buffer{};
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
}

}  // namespace

DeviceWait::DeviceWait() : handles_(std::make_unique<Handles>()) {}

DeviceWait::~DeviceWait() {
    for (const auto& [id, fd] : handles_->files) ::close(fd);
    if (handles_->wakeFd >= 0) ::close(handles_->wakeFd);
}

bool DeviceWait::watch(int id, const char* path) {
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    handles_->files.emplace(id, fd);
    return true;
}

void DeviceWait::forget(int id) {
    auto& files = handles_->files;
    const auto found = files.find(id);
    if (found == files.end()) return;
    ::close(found->second);
    files.erase(found);
}

void DeviceWait::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(handles_->wakeFd, &one, sizeof one);
}

void DeviceWait::wait(std::chrono::milliseconds timeout) {
    const int wakeFd = handles_->wakeFd;
    auto& files = handles_->files;
    std::vector<pollfd> watched{{wakeFd, POLLIN, 0}};
    for (const auto& [id, fd] : files) watched.push_back({fd, POLLIN, 0});
    if (::poll(watched.data(), watched.size(), static_cast<int>(timeout.count())) <= 0) return;
    for (const pollfd& w : watched) {
        if ((w.revents & POLLIN) != 0) drain(w.fd);
        // A file gone bad (the device pulled out) would end every later wait at once.
        if ((w.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 && w.fd != wakeFd) {
            std::erase_if(files, [&w](const auto& file) { return file.second == w.fd; });
            ::close(w.fd);
        }
    }
}

}  // namespace korvane::input
