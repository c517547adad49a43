#include "sound/mod_play_wave.h"

#include <exception>

#include "sound/file_lookup.h"
#include "sound/sound_report.h"
#include "sound/wave_name.h"

namespace korvane {

void modPlayWave::PlayWave(const std::string& path) {
    try {
        playChecked(path);
    } catch (const std::exception& error) {
        // Whatever went wrong, the caller carries on once the player has seen the message.
        reportSoundProblem(path, error.what());
        messages_.show("no sound came out!");
    } catch (...) {
        reportSoundProblem(path, "an unknown error");
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
