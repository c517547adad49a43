#include "sound/mod_play_wave.h"

#include "sound/file_lookup.h"
#include "sound/wave_name.h"

namespace korvane {

void modPlayWave::PlayWave(const std::string& path) {
    try {
        playChecked(path);
    } catch (...) {
        // Whatever went wrong, the caller carries on once the player has seen the message.
        messages_.show("no sound came out!");
    }
}

void modPlayWave::playChecked(const std::string& path) {
    if (path.empty()) return;
    if (!endsInWav(path)) return;
    if (!isRegularFile(path)) return;
    // A sound that did not play is not reported: the result is deliberately unused.
    static_cast<void>(output_.playSync(path));
}

}  // namespace korvane
