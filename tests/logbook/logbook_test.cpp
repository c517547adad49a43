#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/utc_offset.h"
#include "logbook/csv_export.h"
#include "logbook/logbook.h"
#include "logbook/older_file.h"
#include "logbook/schema.h"
#include "tests/support/temp_folder.h"
#include "tests/support/unprivileged.h"

namespace korvane::logbook {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
const std::chrono::system_clock::time_point kNoon{milliseconds(1796731200000)};  // 2026-12-08

struct Folder {
    const testing::TempFolder own;
    const fs::path path{own.path()};
    Folder() { fs::create_directories(path / "korvane"); }
    std::string file() const { return (path / "korvane" / "logbook.sqlite").string(); }
};

long long count(const std::string& file, const char* sql) {
    Database db(file, Database::Mode::ReadOnly);
    Statement query(db, sql);
    return query.step() ? query.integer(0) : -1;
}

RaceRecord run(int number, int rtMs, std::string level = "Normal") {
    RaceRecord r;
    r.run = number, r.level = std::move(level), r.rollOutMs = 465;
    r.playerTime = " .505", r.computerTime = ".5";
    r.at = kNoon + std::chrono::minutes(number), r.utcOffsetMinutes = 60;
    r.release = Moment(std::chrono::seconds(number * 10));
    r.green.due = r.release - milliseconds(rtMs);
    r.green.handedOver = r.green.due;
    r.rt = milliseconds(rtMs);
    return r;
}

std::string slurp(const std::string& file) {
    return {std::istreambuf_iterator<char>(std::ifstream(file).rdbuf()), {}};
}

// Many rows of a hundred bytes, so that a page overwritten is one of the table's.
constexpr const char* kRows =
    "CREATE TABLE t (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
    "i < 2000) INSERT INTO t SELECT printf('%0100d', i) FROM n";

// A version-1 file with a session of three runs.
const std::string kVersion1Runs =
    std::string(schemaSteps()[0]) +
    "PRAGMA user_version = 1; INSERT INTO session VALUES (1, 0, 0, 0, '1.00');"
    "INSERT INTO run VALUES (1, 1, 0, 0, 0, 'Normal', 465, 213, '', '', '', ''),"
    "  (1, 2, 0, 0, 1, 'Normal', 465, -12, '', '', '', ''),"
    "  (1, 3, 0, 0, 0, 'Normal', 465, NULL, '', '', '', '')";

struct OpeningRow {
    const char* name;
    const char* sql;  // run in the file first, if any
    int garbageAt;    // where 4 KiB of garbage go into it, or -1
    bool folderIsAFile;
    LogbookState state;
    const char* line;  // part of the line told
    int runs = 0;      // kept in it after
    int summary = 0;   // kSummaryDigits of its session figures
};

// Each session figure row's counts as the digits of a number, its best added: a mistake in
// any moves the sum.
constexpr const char* kSummaryDigits =
    "SELECT sum(runs * 1000 + clean * 100 + early * 10 + staging + ifnull(best, 0)) "
    "FROM session_tree";

TEST(OpenLogbook, EachKindOfFileGivesItsStateAndOneLine) {
    const OpeningRow rows[] = {
        {"a new file", nullptr, -1, false, LogbookState::Writing, ""},
        {"a newer game's", "PRAGMA user_version = 9", -1, false, LogbookState::ReadOnly,
         "from a newer version of the game; it is shown"},
        {"not a database", nullptr, 0, false, LogbookState::Writing,
         "was damaged; it was set aside"},
        {"damaged pages", kRows, 8192, false, LogbookState::Writing,
         "was damaged; it was set aside"},
        {"under a plain file", nullptr, -1, true, LogbookState::Off, "runs are not being kept"},
        {"a version-1 file", kVersion1Runs.c_str(), -1, false, LogbookState::Writing, "", 3,
         2101 + 213 + 1010 + 3111 + 213},
    };
    for (const OpeningRow& row : rows) {
        const Folder folder;
        if (row.sql) Database(folder.file(), Database::Mode::ReadWrite).exec(row.sql);
        if (row.garbageAt >= 0) {
            std::ofstream(folder.file(), std::ios::app).close();  // made when missing
            std::fstream(folder.file(), std::ios::in | std::ios::out | std::ios::binary)
                    .seekp(row.garbageAt)
                << std::string(4096, 'Z');
        }
        if (row.folderIsAFile) {
            fs::remove(folder.path / "korvane"), std::ofstream(folder.path / "korvane");
        }
        const std::string before = slurp(folder.file());
        const Opened opened = openLogbook(folder.file(), kNoon);
        EXPECT_EQ(opened.state, row.state) << row.name;
        EXPECT_NE(opened.line.find(row.line), std::string::npos) << row.name << ": " << opened.line;
        if (std::string(row.line).find("damaged") != std::string::npos) {
            EXPECT_TRUE(slurp(folder.file() + ".damaged-2026-12-08T120000") == before) << row.name;
        }
        if (row.state == LogbookState::Writing) {
            EXPECT_EQ(count(folder.file(), "PRAGMA user_version"), kSchemaVersion) << row.name;
            EXPECT_EQ(count(folder.file(), "SELECT count(*) FROM run WHERE start_delay IS NULL"),
                      row.runs)
                << row.name;
            EXPECT_EQ(count(folder.file(), kSummaryDigits), row.summary) << row.name;
        }
    }
}

// The folder is root's, read-only to the user the child becomes.
TEST(Logbook, InAFolderItCannotWriteItTellsOneLineAndRecordsRunsWithoutThrowing) {
    const Folder folder;
    EXPECT_EXIT(
        {
            korvane::testing::becomeUnprivileged();
            Logbook logbook(openLogbook(folder.file(), kNoon), "1.00");
            for (int i = 1; i <= 3; ++i) logbook.record(run(i, 200));
            std::exit(logbook.state() == LogbookState::Off ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "^korvane: cannot keep the runs in [^\n]*; this session's runs are not being kept\n$");
}

TEST(Logbook, AWriteThatFailsLaterTurnsItOffTellingOnce) {
    const Folder folder;
    Logbook logbook(openLogbook(folder.file(), kNoon), "1.00");
    int reports = 0;
    logbook.setLineReport([&reports] { ++reports; });
    Database other(folder.file(), Database::Mode::ReadWrite);
    other.exec("BEGIN IMMEDIATE");  // holds the write lock past the writer's patience
    logbook.record(run(1, 200));
    for (int i = 0; i < 500 && logbook.state() == LogbookState::Writing; ++i) {
        std::this_thread::sleep_for(milliseconds(10));
    }
    other.exec("ROLLBACK");
    logbook.record(run(2, 200));
    EXPECT_EQ(logbook.state(), LogbookState::Off);
    EXPECT_NE(logbook.line().find("the runs from now on are not being kept"), std::string::npos);
    EXPECT_EQ(reports, 1);
}

TEST(Logbook, ALateOnsetUpdatesTheRunAndTwoGamesAtOnceKeepTheirOwn) {
    const Folder folder;
    {
        Logbook first(openLogbook(folder.file(), kNoon), "1.00");
        Logbook second(openLogbook(folder.file(), kNoon), "1.00");
        for (int i = 1; i <= 50; ++i) first.record(run(i, 200)), second.record(run(i, 300));
        RaceRecord late = run(50, 300);
        late.green.onset = *late.green.due + milliseconds(17);
        late.rt = late.release - *late.green.onset;
        second.record(late);
    }
    EXPECT_EQ(count(folder.file(), "SELECT count(DISTINCT session) * 1000 + count(*) FROM run"),
              2100);
    // Either game may take session 1: the first's run 50 has 200 ms, the second's now 283.
    EXPECT_EQ(count(folder.file(), "SELECT sum(rt) FROM run WHERE run = 50"), 200 + 283);
    // Each session's figures follow its runs, the late onset too.
    EXPECT_EQ(count(folder.file(), "SELECT sum(total) FROM session_tree WHERE tree = 2"),
              50 * 200 + 49 * 300 + 283);
}

TEST(ExportCsv, WritesAHeaderAndOneQuotedRowARunWithCrlf) {
    const Folder folder;
    {
        Logbook logbook(openLogbook(folder.file(), kNoon), "1.00", kNoon);
        RaceRecord delayed = run(1, 213, "Pro, \"fast\"");
        delayed.startDelayMs = 1734;
        logbook.record(delayed);
        RaceRecord staging = run(2, 0);
        staging.green = {}, staging.rt.reset(), staging.playerRed = true;
        logbook.record(staging);
    }
    Database db(folder.file(), Database::Mode::ReadOnly);
    std::ostringstream out;
    exportCsv(db, out);
    EXPECT_EQ(out.str(),
              "session,run,started,at,utc_offset,tree,level,rollout,rt_ms,onset,player,computer,"
              "result,version,start_delay\r\n"
              "1,1,2026-12-08T12:00:00.000Z,2026-12-08T12:01:00.000Z,+01:00,Standard,"
              "\"Pro, \"\"fast\"\"\",0.465,213,,0.505,0.500,win,1.00,1734\r\n"
              "1,2,2026-12-08T12:00:00.000Z,2026-12-08T12:02:00.000Z,+01:00,Standard,Normal,"
              "0.465,,,0.505,0.500,red light,1.00,\r\n");
    // A file an older game left is exported as it is, without start delays.
    const std::string older = folder.file() + ".v1";
    Database(older, Database::Mode::ReadWrite).exec(kVersion1Runs.c_str());
    Database v1(older, Database::Mode::ReadOnly);
    readAsNewest(v1);
    std::ostringstream rows;
    exportCsv(v1, rows);
    EXPECT_TRUE(rows.str().ends_with(
        "\r\n1,3,1970-01-01T00:00:00.000Z,1970-01-01T00:00:00.000Z,+00:00,Standard,Normal,0.465,"
        ",,,,,1.00,\r\n"))
        << rows.str();
}

TEST(UtcOffset, ComesFromTheFieldsAcrossDaysAndYears) {
    // UTC's and the local year, day of the year, hour and minute; the offset.
    const int rows[][9] = {
        {2026, 341, 6, 15, 2026, 341, 7, 15, 60},    // Paris in winter
        {2026, 341, 2, 0, 2026, 340, 21, 30, -270},  // the day before, half an hour off
        {2026, 364, 23, 0, 2027, 0, 12, 45, 825},    // across a year's end, eastward
        {2027, 0, 3, 0, 2026, 364, 17, 0, -600},     // and westward
    };
    for (const auto& r : rows) {
        std::tm utc{}, local{};
        utc.tm_year = r[0], utc.tm_yday = r[1], utc.tm_hour = r[2], utc.tm_min = r[3];
        local.tm_year = r[4], local.tm_yday = r[5], local.tm_hour = r[6], local.tm_min = r[7];
        EXPECT_EQ(minutesBetween(utc, local), r[8]);
    }
}

}  // namespace
}  // namespace korvane::logbook
