#include "logbook/logbook.h"

#include <sqlite3.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "logbook/plain_words.h"
#include "logbook/run_rows.h"
#include "logbook/writer_urgency.h"

namespace korvane::logbook {

namespace {

bool heldByAnother(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

void tell(const std::string& line) {
    if (!line.empty()) std::fprintf(stderr, "%s\n", line.c_str());
}

// Each batch in one transaction with its session's figures: one commit however many runs came.
void keepAll(Database& db, RunRows& rows, const std::vector<RaceRecord>& batch) {
    db.exec("BEGIN IMMEDIATE");
    try {
        for (const RaceRecord& run : batch) rows.keep(run);
        rows.summarise();
        db.exec("COMMIT");
        rows.committed();
    } catch (const DatabaseError&) {
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace

Logbook::Logbook(Opened opened, std::string version, Clock::time_point started, Patience patience)
    : path_(std::move(opened.path)),
      version_(std::move(version)),
      started_(started),
      patience_(patience),
      state_(opened.state),
      line_(std::move(opened.line)) {
    tell(line_);
    if (opened.state == LogbookState::Writing && opened.database) {
        thread_ = std::thread(&Logbook::serve, this, std::move(opened.database));
    }
}

Logbook::Logbook(std::string path, std::string version, Clock::time_point started,
                 Patience patience)
    : path_(std::move(path)),
      version_(std::move(version)),
      started_(started),
      patience_(patience),
      state_(LogbookState::Writing),
      thread_(&Logbook::openAndServe, this) {}

void Logbook::openAndServe() {
    Opened opened = openPatiently();
    if (!opened.line.empty()) {
        const std::lock_guard lock(mutex_);
        line_ = opened.line;
        tell(line_);
        if (opened.state != LogbookState::Writing) queue_.clear();
        state_ = opened.state;
        if (report_) report_();
    }
    state_ = opened.state;
    if (opened.state == LogbookState::Writing && opened.database) serve(std::move(opened.database));
}

// Another program holding the file at the start is waited out too, until the game closes.
Opened Logbook::openPatiently() {
    Backoff backoff(patience_);
    for (;;) {
        Opened opened = openLogbook(path_, Clock::now());
        if (!opened.busy || !backoff.failed(true)) return opened;
        stillWaiting(true);
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, backoff.wait(), [this] { return closing_; })) return opened;
    }
}

Logbook::~Logbook() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void Logbook::record(const RaceRecord& run) {
    if (state_.load(std::memory_order_relaxed) != LogbookState::Writing) return;
    {
        const std::lock_guard lock(mutex_);
        if (held_ && queue_.size() >= kMostWaiting) {
            ++dropped_;
            return;
        }
        if (queue_.empty()) waitingSince_ = std::chrono::steady_clock::now();
        queue_.push_back(run);
    }
    wake_.notify_one();
}

std::string Logbook::line() const {
    const std::lock_guard lock(mutex_);
    return line_;
}

void Logbook::setLineReport(std::function<void()> report) {
    const std::lock_guard lock(mutex_);
    report_ = std::move(report);
}

void Logbook::serve(std::unique_ptr<Database> database) {
    yieldToWakers();
    try {
        RunRows rows(*database, version_, started_);
        Backoff backoff(patience_);
        for (;;) {
            const std::vector<RaceRecord> batch = nextBatch(backoff.wait());
            if (batch.empty()) break;
            try {
                keepAll(*database, rows, batch);
            } catch (const DatabaseError& error) {
                rows.rolledBack();
                const bool held = heldByAnother(error.code());
                if (!backoff.failed(held) || (held && closing())) throw;
                stillWaiting(held);
                continue;
            }
            backoff.succeeded();
            kept(batch.size());
        }
        rows.end(Clock::now());
    } catch (const DatabaseError& error) {
        turnOff(plainReason(error));
    }
}

std::vector<RaceRecord> Logbook::nextBatch(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, wait, [this] { return closing_; });
    wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
    return {queue_.begin(), queue_.end()};
}

void Logbook::kept(std::size_t count) {
    const std::lock_guard lock(mutex_);
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
    held_ = false;
    waitingSince_ = std::chrono::steady_clock::now();
    if (std::exchange(toldWaiting_, false)) {
        say("korvane: the runs that waited are kept in the logbook " + path_ +
            (dropped_ > 0 ? "; " + std::to_string(dropped_) + " beyond the " +
                                std::to_string(kMostWaiting) + " that could wait were not"
                          : std::string()));
    }
    if (report_) report_();
}

bool Logbook::closing() const {
    const std::lock_guard lock(mutex_);
    return closing_;
}

// Told once, when the oldest run waiting for a file another program holds has waited long.
void Logbook::stillWaiting(bool held) {
    const std::lock_guard lock(mutex_);
    held_ = held;
    const auto waited = std::chrono::steady_clock::now() - waitingSince_;
    if (!held || toldWaiting_ || queue_.empty() || waited < patience_.tellAfter) return;
    toldWaiting_ = true;
    say("korvane: another program is holding the logbook " + path_ + "; " +
        std::to_string(queue_.size()) + " runs wait to be kept there");
    if (report_) report_();
}

// Called with the mutex held.
void Logbook::say(std::string line) {
    line_ = std::move(line);
    tell(line_);
}

// Off once the line is told: whoever sees Off finds the line.
void Logbook::turnOff(const std::string& reason) {
    const std::lock_guard lock(mutex_);
    const std::size_t lost = queue_.size();
    queue_.clear();
    say("korvane: cannot write the logbook " + path_ + " (" + reason +
        "); the runs from now on are not being kept" +
        (lost > 0 ? " (" + std::to_string(lost) + " waiting were not kept)" : std::string()));
    state_ = LogbookState::Off;
    if (report_) report_();
}

}  // namespace korvane::logbook
