#include "sound/deadline_worker.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace korvane {

struct DeadlineWorker::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::function<void()> job;
    bool busy = false;
    bool stopping = false;
    bool threadStarted = false;
};

DeadlineWorker::DeadlineWorker() : shared_(std::make_shared<Shared>()) {}

DeadlineWorker::~DeadlineWorker() {
    const std::lock_guard lock(shared_->mutex);
    shared_->stopping = true;
    shared_->changed.notify_all();
}

bool DeadlineWorker::post(std::function<void()> job, Clock::duration patience) {
    std::unique_lock lock(shared_->mutex);
    if (!shared_->changed.wait_for(lock, patience, [&] { return !shared_->busy; })) return false;
    if (!shared_->threadStarted) {
        // Detached: a job stuck in a call that never returns must not hold up whoever ends us.
        std::thread([shared = shared_] { serve(shared); }).detach();
        shared_->threadStarted = true;
    }
    shared_->job = std::move(job);
    shared_->busy = true;
    shared_->changed.notify_all();
    return true;
}

void DeadlineWorker::serve(const std::shared_ptr<Shared>& shared) {
    std::unique_lock lock(shared->mutex);
    while (true) {
        shared->changed.wait(lock, [&] { return shared->job || shared->stopping; });
        if (!shared->job) return;
        std::function<void()> job = std::move(shared->job);
        shared->job = nullptr;
        lock.unlock();
        job();
        job = nullptr;  // what it held goes before the next job starts
        lock.lock();
        shared->busy = false;
        shared->changed.notify_all();
    }
}

}  // namespace korvane
