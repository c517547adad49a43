#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/virtual_timers.h"
#include "race/main.h"
#include "tests/race/race_doubles.h"

namespace korvane::testing {

// A race window on a virtual clock, with its timers, sounds and message boxes recorded.
class RaceTest : public ::testing::Test {
  protected:
    RaceTest() : main({random, sound, messages, "/data"}) {
        for (Timer* t : main.timers()) t->setHost(&clock);
        main.setSurface(&surface);
        sound.clock = &clock;
        sound.events = &events;
        surface.events = &events;
    }

    // The stage press, then the walk up to the hand-over to the sequencer (2400 ms).
    void stage() {
        main.Command1_MouseDown(1, 0, 10, 10);
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
    void release() { main.Command1_MouseUp(1, 0, 10, 10); }
    void setClock(int tenThousandths) {
        main.RTVAL = DecimalSeconds::fromTenThousandths(tenThousandths);
    }
    void chooseProTree() {
        main.Tree[1].value = 1;
        main.Tree[2].value = 0;
    }
    void chooseLevel(int level) {
        for (int i = 1; i <= 5; ++i) main.Level[i].value = i == level ? 1 : 0;
    }

    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    RecordingSurface surface;
    std::vector<std::string> events;  // repaints and sounds in the order they happened
    VirtualTimers clock;
    Main main;
};

}  // namespace korvane::testing
