#include "sound/audio_drivers.h"

#include <cstdlib>

namespace korvane {

bool audioDriverChosenByPlayer() {
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen != nullptr && *chosen != '\0';
}

}  // namespace korvane
