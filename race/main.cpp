#include "main.h"

namespace korvane {

Main::Main(RaceServices services) : services_(std::move(services)) {
    playerSequencer.onTick([this] { playerSequencerTick(); });
    computerSequencer.onTick([this] { computerSequencerTick(); });
    proSequencer.onTick([this] { proSequencerTick(); });
    reactionClockTicker.onTick([this] { reactionClockTick(); });
    stagingWalk.onTick([this] { stagingWalkTick(); });
    if (StartDelay* delay = services_.startDelay) {
        delay->timer().onTick([this, delay] {
            delay->waitEnded();
            handOver();
        });
    }
}

std::vector<Timer*> Main::raceTimers() {
    std::vector<Timer*> all = timers();
    if (services_.startDelay != nullptr) all.push_back(&services_.startDelay->timer());
    if (services_.carDelay != nullptr) all.push_back(&services_.carDelay->timer());
    return all;
}

std::optional<int> Main::startDelayMs() const {
    return services_.startDelay != nullptr ? services_.startDelay->drawnMs() : std::nullopt;
}

}  // namespace korvane
