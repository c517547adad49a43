#pragma once

#include <string>

namespace korvane {

// The audio drivers SDL should try, best first, as a list for its driver hint: PulseAudio,
// PipeWire only where its server's socket is, then ALSA only where the machine has a sound card
// (without them, their client libraries fill stderr with complaints before they fail).
std::string preferredAudioDrivers();

// True when the player chose SDL's audio driver through the environment; that choice stands.
bool audioDriverChosenByPlayer();

}  // namespace korvane
