#pragma once

#include <string>

namespace korvane {

// The audio drivers SDL should try, best first, as a list for its driver hint: the sound
// servers, then ALSA only where the machine has a sound card (without one, ALSA fills stderr
// with complaints before it fails).
std::string preferredAudioDrivers();

// True when the player chose SDL's audio driver through the environment; that choice stands.
bool audioDriverChosenByPlayer();

}  // namespace korvane
