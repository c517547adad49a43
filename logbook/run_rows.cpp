#include "logbook/run_rows.h"

#include <sqlite3.h>

#include "common/utc_offset.h"
#include "session/session_figures.h"
#include "session/slip_text.h"

namespace korvane::logbook {

namespace {

constexpr const char* kAddSession =
    "INSERT INTO session (started, utc_offset, ended, version) VALUES (?1, ?2, ?3, ?4)";
constexpr const char* kUpsertRun = R"sql(
INSERT INTO run (session, run, at, utc_offset, tree, level, roll_out, rt, onset, player,
                 computer, result, start_delay)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)
ON CONFLICT (session, run) DO UPDATE SET rt = excluded.rt, onset = excluded.onset,
    start_delay = excluded.start_delay
)sql";
constexpr const char* kEndSession = "UPDATE session SET ended = max(ended, ?2) WHERE id = ?1";

}  // namespace

long long utcMillis(std::chrono::system_clock::time_point at) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count();
}

RunRows::RunRows(Database& db, std::string version, std::chrono::system_clock::time_point started)
    : db_(db),
      version_(std::move(version)),
      started_(started),
      addSession_(db, kAddSession),
      upsertRun_(db, kUpsertRun),
      endSession_(db, kEndSession),
      summary_(db) {}

void RunRows::keep(const RaceRecord& run) {
    const long long at = utcMillis(run.at);
    if (!session_) {
        addSession_.reset();
        addSession_.bind(1, utcMillis(started_))
            .bind(2, static_cast<long long>(utcOffsetMinutes(started_)))
            .bind(3, at)
            .bind(4, std::string_view(version_))
            .step();
        session_ = sqlite3_last_insert_rowid(db_.handle());
    }
    upsertRun_.reset();
    upsertRun_.bind(1, *session_)
        .bind(2, static_cast<long long>(run.run))
        .bind(3, at)
        .bind(4, static_cast<long long>(run.utcOffsetMinutes))
        .bind(5, run.tree == Tree::Pro ? 1LL : 0LL)
        .bind(6, std::string_view(run.level))
        .bind(7, static_cast<long long>(run.rollOutMs))
        .bind(8, reactionMillis(run))
        .bind(9, std::string_view(onsetText(run)))
        .bind(10, std::string_view(boardTimeText(run.playerTime)))
        .bind(11, std::string_view(boardTimeText(run.computerTime)))
        .bind(12, std::string_view(resultName(run)))
        .bind(13, run.startDelayMs ? std::optional<long long>(*run.startDelayMs) : std::nullopt)
        .step();
    end(run.at);
}

void RunRows::rolledBack() {
    if (!sessionCommitted_) session_.reset();
}

void RunRows::summarise() {
    if (session_) summary_.write(*session_);
}

void RunRows::end(std::chrono::system_clock::time_point at) {
    if (!session_) return;
    endSession_.reset();
    endSession_.bind(1, *session_).bind(2, utcMillis(at)).step();
}

}  // namespace korvane::logbook
