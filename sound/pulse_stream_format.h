#pragma once

#include <SDL.h>
#include <pulse/channelmap.h>
#include <pulse/def.h>
#include <pulse/sample.h>

namespace korvane {

// A sound's format as PulseAudio's sample format and channel map; false when it has none.
bool pulseStreamFormat(const SDL_AudioSpec& format, pa_sample_spec& samples,
                       pa_channel_map& channels);

// Nearly half a second ahead of the speaker, asked for a fifth of a second at a time: the
// server wakes us some five times a second, a busy machine has a quarter of a second to answer
// before the sound breaks up, and the sink keeps its own 50 ms. Playing starts with the first
// frame written.
pa_buffer_attr pulseStreamBuffer(const pa_sample_spec& samples);

}  // namespace korvane
