#include "logbook/csv_export.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "session/slip_text.h"

namespace korvane::logbook {

namespace {

constexpr const char* kRuns = R"sql(
SELECT s.id, r.run, s.started, r.at, r.utc_offset, r.tree, r.level, r.roll_out, r.rt, r.onset,
       r.player, r.computer, r.result, s.version, r.start_delay, r.car_delay, r.release_offset
FROM run r JOIN session s ON s.id = r.session
ORDER BY r.session, r.run
)sql";

constexpr std::array<const char*, 17> kHeader{
    "session", "run",     "started",     "at",        "utc_offset", "tree",
    "level",   "rollout", "rt_ms",       "onset",     "player",     "computer",
    "result",  "version", "start_delay", "car_delay", "release_ms"};

void writeRow(std::ostream& out, const std::array<std::string, kHeader.size()>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out << ',';
        out << csvField(fields[i]);
    }
    out << "\r\n";
}

std::string optionalInteger(const Statement& runs, int column) {
    return runs.isNull(column) ? std::string() : std::to_string(runs.integer(column));
}

std::array<std::string, kHeader.size()> rowOf(const Statement& runs) {
    return {std::to_string(runs.integer(0)),
            std::to_string(runs.integer(1)),
            isoUtc(runs.integer(2)),
            isoUtc(runs.integer(3)),
            isoOffset(runs.integer(4)),
            treeName(runs.integer(5) == 1 ? Tree::Pro : Tree::Standard),
            runs.text(6),
            plainDecimal(runs.integer(7)),
            optionalInteger(runs, 8),
            runs.text(9),
            runs.text(10),
            runs.text(11),
            runs.text(12),
            runs.text(13),
            optionalInteger(runs, 14),
            optionalInteger(runs, 15),
            optionalInteger(runs, 16)};
}

}  // namespace

std::string isoUtc(long long millis) {
    using namespace std::chrono;
    const sys_time<milliseconds> at{milliseconds(millis)};
    const auto day = floor<days>(at);
    const year_month_day date(day);
    const hh_mm_ss time(at - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()),
                  int(time.subseconds().count()));
    return text;
}

std::string isoOffset(long long minutes) {
    const long long whole = std::llabs(minutes);
    char text[48];
    std::snprintf(text, sizeof text, "%c%02lld:%02lld", minutes < 0 ? '-' : '+', whole / 60,
                  whole % 60);
    return text;
}

void exportCsv(Database& db, std::ostream& out) {
    Statement runs(db, kRuns);
    std::array<std::string, kHeader.size()> header;
    for (std::size_t i = 0; i < header.size(); ++i) header[i] = kHeader[i];
    writeRow(out, header);
    while (runs.step()) writeRow(out, rowOf(runs));
}

}  // namespace korvane::logbook
