#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/wave_player.h"
#include "race/control.h"
#include "race/release_watch.h"
#include "race/surface.h"
#include "tests/support/recording_message_boxes.h"
#include "tests/support/virtual_timers.h"

// Recording stand-ins for what the race window reaches outside itself; no test framework here,
// so the race fuzzer shares them with the tests.
namespace korvane::testing {

// Records the wave files asked for; a sound may take virtual time, blocking the loop.
class RecordingWavePlayer : public WavePlayer {
  public:
    void PlayWave(const std::string& path) override {
        played.push_back(path);
        if (events) events->push_back("sound " + path);
        if (clock) clock->block(lengthMs);
    }
    std::vector<std::string> played;
    std::vector<std::string>* events = nullptr;  // shared with the surface to prove order
    VirtualTimers* clock = nullptr;
    std::int64_t lengthMs = 0;
};

class RecordingSurface : public Surface {
  public:
    void refresh(const Control& control) override { record(control.displayName()); }
    void refreshWindow() override { record("window"); }
    std::vector<std::string> log;
    std::vector<std::string>* events = nullptr;

  private:
    void record(const std::string& what) {
        log.push_back(what);
        if (events) events->push_back("repaint " + what);
    }
};

// Records each release it is told of, with the player's time, among the repaints and sounds.
class RecordingReleaseWatch : public ReleaseWatch {
  public:
    void judged(const ReleaseOutcome& outcome) override {
        if (events) events->push_back("judged" + outcome.playerTime);
    }
    std::vector<std::string>* events = nullptr;
};

}  // namespace korvane::testing
