#pragma once

#include <string>
#include <vector>

namespace korvane::input {

// A controller's device file the game may not read, so SDL never shows the controller.
struct UnreadableController {
    std::string name;    // from its stable link, such as usb-Maker_Foot_Switch-event-joystick
    std::string reason;  // what opening it said
};

// The controllers in FOLDER (udev's links to joystick device files) that will not open for
// reading; none where the folder does not exist.
std::vector<UnreadableController> unreadableControllers(
    const std::string& folder = "/dev/input/by-id");

// What to tell the racer of one: its name, the reason and the udev permission that mends it.
std::string unreadableAdvice(const UnreadableController& controller);

}  // namespace korvane::input
