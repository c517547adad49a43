#include "logbook/csv_export.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>

#include "session/run_codes.h"
#include "session/slip_text.h"

namespace korvane::logbook {

namespace {

// Each field's table and column, in the order of the header.
constexpr std::array<std::pair<const char*, const char*>, 17> kColumns{{
    {"session", "id"},
    {"run", "run"},
    {"session", "started"},
    {"run", "at"},
    {"run", "utc_offset"},
    {"run", "tree"},
    {"run", "level"},
    {"run", "roll_out"},
    {"run", "rt"},
    {"run", "onset"},
    {"run", "player"},
    {"run", "computer"},
    {"run", "result"},
    {"session", "version"},
    {"run", "start_delay"},
    {"run", "car_delay"},
    {"run", "release_offset"},
}};

// Each column as "table.column", or NULL where the file lacks it: what is there is exported.
std::string runsSql(Database& db) {
    std::set<std::string> present;
    Statement columns(db,
                      "SELECT m.name || '.' || p.name FROM (SELECT 'run' AS name UNION ALL "
                      "SELECT 'session') m, pragma_table_info(m.name) p");
    while (columns.step()) present.insert(columns.text(0));
    const auto field = [&present](const char* table, const char* column) {
        const std::string name = std::string(table) + "." + column;
        return present.contains(name) ? name : std::string("NULL");
    };
    std::string sql = "SELECT ";
    for (const auto& [table, column] : kColumns) {
        sql += field(table, column) + (column == kColumns.back().second ? " " : ", ");
    }
    return sql + "FROM run LEFT JOIN session ON session.id = " + field("run", "session") +
           " ORDER BY " + field("run", "session") + ", " + field("run", "run");
}

constexpr std::array<const char*, 17> kHeader{
    "session", "run",     "started",     "at",        "utc_offset", "tree",
    "level",   "rollout", "rt_ms",       "onset",     "player",     "computer",
    "result",  "version", "start_delay", "car_delay", "release_ms"};

std::string rowText(const std::array<std::string, kHeader.size()>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        row += csvField(fields[i]);
    }
    return row + "\r\n";
}

// Empty where the field is NULL, else SHOWN of it.
template <typename Shown>
std::string shownOr(const Statement& runs, int column, Shown shown) {
    return runs.isNull(column) ? std::string() : shown(runs.integer(column));
}

std::array<std::string, kHeader.size()> rowOf(const Statement& runs) {
    const auto number = [](long long value) { return std::to_string(value); };
    const auto tree = [](long long value) {
        return treeName(value == 1 ? Tree::Pro : Tree::Standard);
    };
    const auto decimal = [](long long value) { return plainDecimal(value); };
    return {shownOr(runs, 0, number),       shownOr(runs, 1, number),
            shownOr(runs, 2, isoUtc),       shownOr(runs, 3, isoUtc),
            shownOr(runs, 4, isoOffset),    shownOr(runs, 5, tree),
            shownOr(runs, 6, levelCaption), shownOr(runs, 7, decimal),
            shownOr(runs, 8, number),       shownOr(runs, 9, onsetWord),
            shownOr(runs, 10, decimal),     shownOr(runs, 11, decimal),
            shownOr(runs, 12, resultWord),  runs.text(13),
            shownOr(runs, 14, number),      shownOr(runs, 15, number),
            shownOr(runs, 16, number)};
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

bool exportCsv(Database& db, const CsvRows& write) {
    Statement runs(db, runsSql(db).c_str());
    std::array<std::string, kHeader.size()> header;
    for (std::size_t i = 0; i < header.size(); ++i) header[i] = kHeader[i];
    if (!write(rowText(header))) return false;
    while (runs.step()) {
        if (!write(rowText(rowOf(runs)))) return false;
    }
    return true;
}

void exportCsv(Database& db, std::ostream& out) {
    exportCsv(db, [&out](std::string_view row) { return static_cast<bool>(out << row); });
}

}  // namespace korvane::logbook
