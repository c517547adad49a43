#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "logbook/backoff.h"
#include "logbook/opening.h"
#include "session/race_record.h"

namespace korvane::logbook {

// The most runs that wait in memory for a logbook another program holds; a writer merely behind
// is never a reason to drop one.
inline constexpr std::size_t kMostWaiting = 10'000;

// Keeps the session's runs in the opened logbook from a thread of its own, so the event loop
// only copies each run into a queue. While another program holds the file the runs wait and
// are tried again, told once when they have waited long and again when kept; a failure that
// lasts turns it Off with one line, told once.
class Logbook {
  public:
    using Clock = std::chrono::system_clock;

    // The session began at STARTED, in the game of VERSION; Opened's line, if any, goes to stderr.
    Logbook(Opened opened, std::string version, Clock::time_point started = Clock::now(),
            Patience patience = {});
    // Opens the logbook at PATH on the writer's thread, so a long file or its upgrade never
    // holds up the start; runs recorded meanwhile wait, and the line comes when it is known.
    Logbook(std::string path, std::string version, Clock::time_point started = Clock::now(),
            Patience patience = {});
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
    // Called on the writer's thread after each batch of runs is written, and when a write fails
    // after the line has changed; none (an empty function) before the receiver goes.
    void setLineReport(std::function<void()> report);

  private:
    void openAndServe();
    Opened openPatiently();
    void serve(std::unique_ptr<Database> database);
    // The runs waiting, after WAIT or as soon as the game closes; none once it has closed.
    std::vector<RaceRecord> nextBatch(std::chrono::milliseconds wait);
    // The first COUNT runs waiting are kept.
    void kept(std::size_t count);
    // After a failed try; HELD when another program holds the file.
    void stillWaiting(bool held);
    bool closing() const;
    void say(std::string line);
    void turnOff(const std::string& reason);

    std::string path_;
    std::string version_;
    Clock::time_point started_;
    Patience patience_;
    std::atomic<LogbookState> state_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<RaceRecord> queue_;
    std::chrono::steady_clock::time_point waitingSince_;
    bool toldWaiting_ = false;
    bool held_ = false;        // by another program, at the last try
    std::size_t dropped_ = 0;  // past kMostWaiting while held
    bool closing_ = false;
    std::string line_;
    std::function<void()> report_;
    std::thread thread_;
};

}  // namespace korvane::logbook
