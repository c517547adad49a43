#pragma once

#include <SDL.h>
#include <pulse/channelmap.h>
#include <pulse/def.h>
#include <pulse/sample.h>

namespace korvane {

// A sound's format as PulseAudio's sample spec and channel map; false when it has none.
bool pulseStreamFormat(const SDL_AudioSpec& format, pa_sample_spec& spec, pa_channel_map& channels);

// A quarter of a second ahead of the speaker, asked for a tenth of a second at a time: the
// server wakes us some ten times a second, and a busy machine has 150 ms to answer before the
// sound breaks up. Playing starts with the first frame written.
pa_buffer_attr pulseStreamBuffer(const pa_sample_spec& spec);

}  // namespace korvane
