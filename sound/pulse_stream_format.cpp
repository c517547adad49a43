#include "sound/pulse_stream_format.h"

#include <cstdint>

namespace korvane {

namespace {

constexpr std::uint32_t kAheadMs = 450;
constexpr std::uint32_t kRequestMs = 200;
constexpr auto kServersChoice = static_cast<std::uint32_t>(-1);

pa_sample_format_t pulseSampleFormat(SDL_AudioFormat format) {
    switch (format) {
        case AUDIO_U8:
            return PA_SAMPLE_U8;
        case AUDIO_S16LSB:
            return PA_SAMPLE_S16LE;
        case AUDIO_S16MSB:
            return PA_SAMPLE_S16BE;
        case AUDIO_S32LSB:
            return PA_SAMPLE_S32LE;
        case AUDIO_S32MSB:
            return PA_SAMPLE_S32BE;
        case AUDIO_F32LSB:
            return PA_SAMPLE_FLOAT32LE;
        case AUDIO_F32MSB:
            return PA_SAMPLE_FLOAT32BE;
        default:
            return PA_SAMPLE_INVALID;
    }
}

std::uint32_t wholeFrames(const pa_sample_spec& samples, std::uint32_t ms) {
    const auto frame = static_cast<std::uint32_t>(pa_frame_size(&samples));
    return static_cast<std::uint32_t>(samples.rate) * ms / 1000 * frame;
}

}  // namespace

bool pulseStreamFormat(const SDL_AudioSpec& format, pa_sample_spec& samples,
                       pa_channel_map& channels) {
    samples.format = pulseSampleFormat(format.format);
    samples.rate = format.freq > 0 ? static_cast<std::uint32_t>(format.freq) : 0;
    samples.channels = format.channels;
    return pa_sample_spec_valid(&samples) != 0 &&
           pa_channel_map_init_auto(&channels, samples.channels, PA_CHANNEL_MAP_WAVEEX) != nullptr;
}

pa_buffer_attr pulseStreamBuffer(const pa_sample_spec& samples) {
    pa_buffer_attr buffer{};
    buffer.maxlength = kServersChoice;
    buffer.tlength = wholeFrames(samples, kAheadMs);
    buffer.prebuf = static_cast<std::uint32_t>(pa_frame_size(&samples));
    buffer.minreq = wholeFrames(samples, kRequestMs);
    buffer.fragsize = kServersChoice;
    return buffer;
}

}  // namespace korvane
