#include "logbook/logbook.h"

#include <sqlite3.h>

#include <cstdio>
#include <vector>

#include "logbook/run_rows.h"
#include "logbook/writer_urgency.h"

namespace korvane::logbook {

namespace {

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
    } catch (const DatabaseError&) {
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace

Logbook::Logbook(Opened opened, std::string version, Clock::time_point started)
    : path_(std::move(opened.path)),
      version_(std::move(version)),
      started_(started),
      state_(opened.state),
      line_(std::move(opened.line)) {
    tell(line_);
    if (opened.state == LogbookState::Writing && opened.database) {
        thread_ = std::thread(&Logbook::serve, this, std::move(opened.database));
    }
}

Logbook::Logbook(std::string path, std::string version, Clock::time_point started)
    : path_(std::move(path)),
      version_(std::move(version)),
      started_(started),
      state_(LogbookState::Writing),
      thread_(&Logbook::openAndServe, this) {}

void Logbook::openAndServe() {
    Opened opened = openLogbook(path_, Clock::now());
    if (!opened.line.empty()) {
        {
            const std::lock_guard lock(mutex_);
            line_ = opened.line;
            tell(line_);
            if (opened.state != LogbookState::Writing) queue_.clear();
            state_ = opened.state;
        }
        tellReceiver();
    }
    state_ = opened.state;
    if (opened.state == LogbookState::Writing && opened.database) serve(std::move(opened.database));
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
        queue_.push_back(run);
    }
    wake_.notify_one();
}

std::string Logbook::line() const {
    const std::lock_guard lock(mutex_);
    return line_;
}

void Logbook::setLineReport(std::function<void()> report) {
    const std::lock_guard lock(reportMutex_);
    report_ = std::move(report);
}

// Outside the logbook's own lock, so the receiver may ask for the line or record a run.
void Logbook::tellReceiver() {
    const std::lock_guard lock(reportMutex_);
    if (report_) report_();
}

void Logbook::serve(std::unique_ptr<Database> database) {
    yieldToWakers();
    try {
        RunRows rows(*database, version_, started_);
        for (;;) {
            std::vector<RaceRecord> batch;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
                if (queue_.empty()) break;
                batch.assign(std::make_move_iterator(queue_.begin()),
                             std::make_move_iterator(queue_.end()));
                queue_.clear();
            }
            keepAll(*database, rows, batch);
            tellReceiver();
        }
        rows.end(Clock::now());
    } catch (const DatabaseError& error) {
        turnOff(error.what());
    }
}

void Logbook::turnOff(const std::string& reason) {
    state_ = LogbookState::Off;
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        line_ = "korvane: cannot write the logbook " + path_ + " (" + reason +
                "); the runs from now on are not being kept";
        tell(line_);
    }
    tellReceiver();
}

}  // namespace korvane::logbook
