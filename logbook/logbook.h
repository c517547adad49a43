#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "logbook/opening.h"
#include "session/race_record.h"

namespace korvane::logbook {

// Keeps the session's runs in the opened logbook from a thread of its own, so the event loop
// only copies each run into a queue. A write that fails turns it Off with one line, told once.
class Logbook {
  public:
    using Clock = std::chrono::system_clock;

    // The session began at STARTED, in the game of VERSION; Opened's line, if any, goes to stderr.
    Logbook(Opened opened, std::string version, Clock::time_point started = Clock::now());
    // Opens the logbook at PATH on the writer's thread, so a long file or its upgrade never
    // holds up the start; runs recorded meanwhile wait, and the line comes when it is known.
    Logbook(std::string path, std::string version, Clock::time_point started = Clock::now());
    // Writes what is queued, ends the session and closes the file.
    ~Logbook();
    Logbook(const Logbook&) = delete;
    Logbook& operator=(const Logbook&) = delete;

    // A run the slip added, or its newest run changed: kept, or its R/T and onset brought up to
    // date. Never waits on the disk.
    void record(const RaceRecord& run);

    LogbookState state() const { return state_.load(); }
    // What went wrong, for the player; empty when nothing did.
    std::string line() const;
    const std::string& path() const { return path_; }
    // Called on the writer's thread, without the logbook's lock, after each batch of runs is
    // written and when a write fails after the line has changed; none (an empty function) before
    // the receiver goes.
    void setLineReport(std::function<void()> report);

  private:
    void openAndServe();
    void serve(std::unique_ptr<Database> database);
    void turnOff(const std::string& reason);
    void tellReceiver();

    std::string path_;
    std::string version_;
    Clock::time_point started_;
    std::atomic<LogbookState> state_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<RaceRecord> queue_;
    bool closing_ = false;
    std::string line_;
    // Held while the receiver is told, so it is never told once setLineReport has replaced it.
    std::mutex reportMutex_;
    std::function<void()> report_;
    std::thread thread_;
};

}  // namespace korvane::logbook
