// Writes the game's three wave files into the folder named on the command line.
#include <exception>
#include <iostream>
#include <string>

#include "common/sound_names.h"
#include "sound/synth/game_sounds.h"
#include "sound/synth/wave_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: korvane_make_sounds OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    using namespace korvane;
    try {
        writeWaveFile(folder + "/" + std::string(kFiredUpWave), synth::firedUpSound(),
                      synth::kSoundRate);
        writeWaveFile(folder + "/" + std::string(kLaunchWave), synth::launchSound(),
                      synth::kSoundRate);
        writeWaveFile(folder + "/" + std::string(kRedLightWave), synth::redLightSound(),
                      synth::kSoundRate);
    } catch (const std::exception& error) {
        std::cerr << "korvane_make_sounds: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
