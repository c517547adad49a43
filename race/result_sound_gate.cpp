#include "race/result_sound_gate.h"

#include "common/sound_names.h"

namespace korvane {

void ResultSoundGate::PlayWave(const std::string& path) {
    const bool result = path.ends_with(kLaunchWave) || path.ends_with(kRedLightWave);
    if (hidden_ && result) return;
    sounds_.PlayWave(path);
}

}  // namespace korvane
