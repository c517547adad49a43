#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "common/moment.h"
#include "common/timer.h"
#include "race/main.h"
#include "session/reaction_time.h"

namespace korvane {

// What is known of the running race's green: when it is due and when it reached the screen.
class RaceMoments {
  public:
    explicit RaceMoments(const Main& main) : main_(main) {}

    // A race window timer began ticking at this moment: the staging walk starts a race, the
    // sequencer the hand-over, from which the model tells when the green is due.
    void timerStarted(const Timer& timer, Moment at);
    // The race a frame about to be shown belongs to; its onset is reported under it, as the
    // report may come after the frame.
    std::uint64_t race() const { return race_; }
    // The frame that first showed the race's green, handed to the display at `handedOver`,
    // reached the screen at `at`.
    void greenShown(std::uint64_t race, Moment handedOver, Moment at, std::string source);

    const GreenMoments& green() const { return green_; }
    // From the start of the walk (its press) to the hand-over; none before the hand-over.
    std::optional<std::chrono::nanoseconds> walkToHandOver() const;
    const std::string& onsetSource() const { return source_; }

  private:
    const Main& main_;
    std::uint64_t race_ = 0;
    GreenMoments green_;
    Moment walkStarted_;
    std::optional<Moment> handedOver_;
    std::string source_;
};

}  // namespace korvane
