#pragma once

#include <string>

namespace korvane {

// The audio drivers SDL should try, best first, as a list for its driver hint. On Linux the
// sound servers, then ALSA only where the machine has a sound card (without one, ALSA fills
// stderr with complaints before it fails); elsewhere empty, leaving SDL its own order
// (sound/platform_audio_drivers.cpp).
std::string preferredAudioDrivers();

// True when the player chose SDL's audio driver through the environment; that choice stands.
bool audioDriverChosenByPlayer();

// True when the first driver SDL would try, the player's or ours, is PulseAudio.
bool pulseAudioComesFirst();

}  // namespace korvane
