#include "input/unreadable_controllers.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace korvane::input {

std::vector<UnreadableController> unreadableControllers(const std::string& folder) {
    std::vector<UnreadableController> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with("-event-joystick")) continue;
        errno = 0;
        const std::ifstream file(entry.path(), std::ios::binary);
        if (!file) found.push_back({name, std::strerror(errno != 0 ? errno : EACCES)});
    }
    return found;
}

std::string unreadableAdvice(const UnreadableController& controller) {
    return "The controller " + controller.name + " cannot be opened (" + controller.reason +
           "): give your user access to it with a udev rule such as "
           "SUBSYSTEM==\"input\", ENV{ID_INPUT_JOYSTICK}==\"1\", TAG+=\"uaccess\" in "
           "/etc/udev/rules.d/70-korvane.rules, then plug it in again.";
}

}  // namespace korvane::input
