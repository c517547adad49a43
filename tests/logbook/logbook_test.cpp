#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "logbook/csv_export.h"
#include "logbook/logbook.h"
#include "tests/support/unprivileged.h"

namespace korvane::logbook {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
const std::chrono::system_clock::time_point kNoon{milliseconds(1796731200000)};  // 2026-12-08

struct Folder {
    fs::path path = fs::path(::testing::TempDir()) /
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path / "korvane");
    }
    std::string file() const { return (path / "korvane" / "logbook.sqlite").string(); }
};

long long count(const std::string& file, const char* sql) {
    Database db(file, Database::Mode::ReadOnly);
    Statement query(db, sql);
    return query.step() ? query.integer(0) : -1;
}

RaceRecord run(int number, int rtMs, std::string level = "Normal") {
    RaceRecord r;
    r.run = number;
    r.level = std::move(level);
    r.rollOutMs = 465;
    r.playerTime = " .505";
    r.computerTime = ".5";
    r.at = kNoon + std::chrono::minutes(number);
    r.utcOffsetMinutes = 60;
    r.release = Moment(std::chrono::seconds(number * 10));
    r.green.due = r.release - milliseconds(rtMs);
    r.green.handedOver = r.green.due;
    r.rt = milliseconds(rtMs);
    return r;
}

std::string slurp(const std::string& file) {
    return {std::istreambuf_iterator<char>(std::ifstream(file).rdbuf()), {}};
}

// A logbook of many runs whose third page is overwritten: a header SQLite still reads.
void damagePages(const std::string& f) {
    {
        Database db(f, Database::Mode::ReadWrite);
        db.exec(
            "CREATE TABLE t (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
            "FROM n WHERE i < 2000) INSERT INTO t SELECT printf('%0100d', i) FROM n");
    }
    std::fstream(f, std::ios::in | std::ios::out | std::ios::binary).seekp(8192)
        << std::string(4096, '\x5a');
}

struct OpeningRow {
    const char* name;
    void (*prepare)(const std::string& file);
    LogbookState state;
    const char* line;  // part of the line told
    bool setAside;
};

TEST(OpenLogbook, EachKindOfFileGivesItsStateAndOneLine) {
    const OpeningRow rows[] = {
        {"a new file", [](const std::string&) {}, LogbookState::Writing, "", false},
        {"a newer game's",
         [](const std::string& f) {
             Database(f, Database::Mode::ReadWrite).exec("PRAGMA user_version = 9");
         },
         LogbookState::ReadOnly, "from a newer version of the game; it is shown", false},
        {"not a database", [](const std::string& f) { std::ofstream(f) << std::string(4096, 'x'); },
         LogbookState::Writing, "was damaged; it was set aside as ", true},
        {"damaged pages", damagePages, LogbookState::Writing, "was damaged; it was set aside",
         true},
        {"under a plain file",
         [](const std::string& f) {
             fs::remove(fs::path(f).parent_path());
             std::ofstream(fs::path(f).parent_path());
         },
         LogbookState::Off, "; this session's runs are not being kept", false},
    };
    for (const OpeningRow& row : rows) {
        const Folder folder;
        row.prepare(folder.file());
        const std::string before = slurp(folder.file());
        const Opened opened = openLogbook(folder.file(), kNoon);
        EXPECT_EQ(opened.state, row.state) << row.name;
        EXPECT_NE(opened.line.find(row.line), std::string::npos) << row.name << ": " << opened.line;
        if (row.setAside) {
            EXPECT_EQ(slurp(folder.file() + ".damaged-2026-12-08T120000"), before) << row.name;
        }
        if (row.state == LogbookState::Writing) {
            EXPECT_EQ(count(folder.file(), "PRAGMA user_version"), 1) << row.name;
            EXPECT_EQ(count(folder.file(), "SELECT count(*) FROM run"), 0) << row.name;
        }
    }
}

TEST(Logbook, InAFolderItCannotWriteItTellsOneLineAndRecordsRunsWithoutThrowing) {
    const Folder folder;
    fs::permissions(folder.path,
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder.path / "korvane", fs::perms::others_read | fs::perms::others_exec);
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
    EXPECT_EQ(count(folder.file(), "SELECT rt FROM run WHERE session = 2 AND run = 50"), 283);
}

TEST(ExportCsv, WritesAHeaderAndOneQuotedRowARunWithCrlf) {
    const Folder folder;
    {
        Logbook logbook(openLogbook(folder.file(), kNoon), "1.00", kNoon);
        logbook.record(run(1, 213, "Pro, \"fast\""));
        RaceRecord staging = run(2, 0);
        staging.green = {}, staging.rt.reset(), staging.playerRed = true;
        logbook.record(staging);
    }
    Database db(folder.file(), Database::Mode::ReadOnly);
    std::ostringstream out;
    exportCsv(db, out);
    EXPECT_EQ(out.str(),
              "session,run,started,at,utc_offset,tree,level,rollout,rt_ms,onset,player,computer,"
              "result,version\r\n"
              "1,1,2026-12-08T12:00:00.000Z,2026-12-08T12:01:00.000Z,+01:00,Standard,"
              "\"Pro, \"\"fast\"\"\",0.465,213,,0.505,0.500,win,1.00\r\n"
              "1,2,2026-12-08T12:00:00.000Z,2026-12-08T12:02:00.000Z,+01:00,Standard,Normal,"
              "0.465,,,0.505,0.500,red light,1.00\r\n");
}

}  // namespace
}  // namespace korvane::logbook
