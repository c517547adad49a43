#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "race/main.h"
#include "tests/support/race_doubles.h"

namespace korvane::testing {

// Lamp colours for expected rows: dim and lit amber, green and red.
inline constexpr Colour DA = colour::kDimAmber, LA = colour::kLitAmber;
inline constexpr Colour DG = colour::kDimGreen, LG = colour::kLitGreen;
inline constexpr Colour DR = colour::kDimRed, LR = colour::kLitRed;
using Lamps = std::vector<Colour>;

// A lane's lamps from the top amber down to the red.
inline Lamps lamps(const Lane& lane) {
    return {lane.topAmber.fillColor, lane.middleAmber.fillColor, lane.bottomAmber.fillColor,
            lane.green.fillColor, lane.red.fillColor};
}

// A race window on a virtual clock, with its timers, sounds and message boxes recorded.
class RaceTest : public ::testing::Test {
  protected:
    RaceTest() : main({random, sound, messages, "/data"}) {
        for (Timer* t : main.timers()) t->setHost(&clock);
        main.setSurface(&surface);
        main.setReleaseWatch(&watch);
        sound.clock = &clock;
        sound.events = &events;
        surface.events = &events;
        watch.events = &events;
    }

    // The stage press, then the walk up to the hand-over to the sequencer (2400 ms).
    void stage() {
        main.stagePressed();
        clock.advanceBy(2400);
    }
    // Stages and returns the virtual time of the hand-over to the sequencer.
    std::int64_t stageAndHandOver() {
        stage();
        return clock.now();
    }
    // The number the random source will give next, without taking it.
    float peekNextDraw() const {
        RandomSource copy = random;
        return copy.next();
    }
    // Skips draws until the next one falls below one half (or not), to steer a tie-break.
    void arrangeNextDrawBelowHalf(bool below) {
        while ((peekNextDraw() < 0.5f) != below) random.next();
    }
    ReleaseOutcome release() { return main.launched(); }
    void setClock(int tenThousandths) {
        main.reactionClock = DecimalSeconds::fromTenThousandths(tenThousandths);
    }
    void chooseProTree() {
        main.proTreeOption.value = 1;
        main.standardTreeOption.value = 0;
    }
    // The roles of the timers that are running.
    std::vector<std::string> running() const {
        const std::pair<const Timer*, const char*> roles[] = {{&main.stagingWalk, "walk"},
                                                              {&main.playerSequencer, "player"},
                                                              {&main.computerSequencer, "computer"},
                                                              {&main.proSequencer, "pro"},
                                                              {&main.reactionClockTicker, "clock"}};
        std::vector<std::string> names;
        for (const auto& [timer, role] : roles) {
            if (timer->enabled()) names.push_back(role);
        }
        return names;
    }
    void chooseLevel(int level) {
        for (int i = 1; i <= 5; ++i) main.levelOptions[i].value = i == level ? 1 : 0;
    }

    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    RecordingSurface surface;
    RecordingReleaseWatch watch;
    std::vector<std::string> events;  // repaints and sounds in the order they happened
    VirtualTimers clock;
    Main main;
};

}  // namespace korvane::testing
