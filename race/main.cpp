#include "main.h"

namespace korvane {

Main::Main(RaceServices services) : services_(std::move(services)) {
    playerSequencer.onTick([this] { playerSequencerTick(); });
    computerSequencer.onTick([this] { computerSequencerTick(); });
    proSequencer.onTick([this] { proSequencerTick(); });
    reactionClockTicker.onTick([this] { reactionClockTick(); });
    stagingWalk.onTick([this] { stagingWalkTick(); });
}

}  // namespace korvane
