#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace korvane {

// One background thread that runs one job at a time. The caller hands a job over and waits
// for its answer only as long as it likes (a std::future the job fulfils, say); a job stuck in
// a call that never returns is simply left behind, and nobody ever blocks on it again.
class DeadlineWorker {
  public:
    using Clock = std::chrono::steady_clock;

    DeadlineWorker();
    // Never blocks: the thread ends by itself once it is idle.
    ~DeadlineWorker();
    DeadlineWorker(const DeadlineWorker&) = delete;
    DeadlineWorker& operator=(const DeadlineWorker&) = delete;

    // Hands the job to the worker once the job before it has ended, waiting at most `patience`
    // for that; false (and the job is not run) when it has not. The job must own (share)
    // everything it touches, as it may outlive the caller.
    bool post(std::function<void()> job, Clock::duration patience);

  private:
    struct Shared;
    static void serve(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
};

}  // namespace korvane
