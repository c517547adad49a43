#pragma once

#include <algorithm>
#include <chrono>

namespace korvane::logbook {

// How long the writer waits out a logbook another program holds, and how often it tries again
// after any other failure before the logbook goes Off.
struct Patience {
    std::chrono::milliseconds firstWait{100};
    std::chrono::milliseconds longestWait{2000};
    std::chrono::milliseconds tellAfter{3000};  // a run waiting this long is told of
    int tries = 4;
};

// The waits between tries: none after a success, then doubling up to the longest. A held file
// is tried for as long as the game runs; any other failure only PATIENCE.tries times in a row.
class Backoff {
  public:
    explicit Backoff(Patience patience) : patience_(patience) {}

    // After a failed try: whether to try again.
    bool failed(bool held) {
        wait_ =
            wait_.count() == 0 ? patience_.firstWait : std::min(wait_ * 2, patience_.longestWait);
        failures_ = held ? 0 : failures_ + 1;
        return failures_ < patience_.tries;
    }
    void succeeded() { wait_ = {}, failures_ = 0; }
    std::chrono::milliseconds wait() const { return wait_; }

  private:
    Patience patience_;
    std::chrono::milliseconds wait_{};
    int failures_ = 0;
};

}  // namespace korvane::logbook
