#pragma once

#include <functional>

#include "sound/synth/synth_blocks.h"

namespace korvane::synth {

// A V8 engine: the firing note with its harmonics, the crankshaft's uneven lope below it and
// exhaust noise pulsed by every firing. Feed it the revs and the throttle for each sample.
class EngineVoice {
  public:
    EngineVoice(int rate, std::uint32_t seed) : rate_(rate), noise_(seed) {}
    // rpm: engine speed; throttle 0..1 makes the note louder and brighter.
    double step(double rpm, double throttle);

  private:
    double tone(double firingHz, double throttle) const;

    int rate_;
    Noise noise_;
    LowPass exhaust_;
    LowPass body_;
    double phase_ = 0;  // in firings; a crank turn is two of them
};

}  // namespace korvane::synth
