#include "sound/playable.h"

#include "sound/byte_source.h"
#include "sound/default_tone.h"
#include "sound/wave_stream.h"

namespace korvane {

std::shared_ptr<Playable> openWave(const std::string& path, std::string& problem) {
    std::unique_ptr<ByteSource> bytes = openFileBytes(path, problem);
    if (!bytes) return nullptr;
    std::unique_ptr<WaveStream> stream = WaveStream::open(std::move(bytes), problem);
    if (!stream) return nullptr;
    auto sound = std::make_shared<Playable>();
    sound->format = stream->spec();
    sound->length = stream->length();
    sound->samples = std::move(stream);
    return sound;
}

std::shared_ptr<Playable> defaultChime() {
    const auto& tone = defaultTone();
    auto sound = std::make_shared<Playable>();
    sound->format.freq = kDefaultToneRate;
    sound->format.format = AUDIO_S16SYS;
    sound->format.channels = 1;
    sound->samples = std::make_unique<MemorySamples>(
        reinterpret_cast<const unsigned char*>(tone.data()), tone.size() * sizeof(tone[0]));
    sound->length = std::chrono::milliseconds(tone.size() * 1000 / kDefaultToneRate);
    return sound;
}

}  // namespace korvane
