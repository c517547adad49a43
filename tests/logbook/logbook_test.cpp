#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/utc_offset.h"
#include "logbook/csv_export.h"
#include "logbook/logbook.h"
#include "logbook/older_file.h"
#include "logbook/plain_words.h"
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

// A version-2 file with a session of two runs, one with a start delay.
const std::string kVersion2Runs =
    std::string(schemaSteps()[0]) + schemaSteps()[1] +
    "PRAGMA user_version = 2; INSERT INTO session VALUES (1, 0, 0, 0, '1.00');"
    "INSERT INTO run VALUES (1, 1, 0, 0, 0, 'Normal', 465, 213, '', '', '', '', 700),"
    "  (1, 2, 0, 0, 1, 'Normal', 465, -12, '', '', '', '', NULL)";

void runSql(const std::string& file, const char* sql) {
    Database(file, Database::Mode::ReadWrite).exec(sql);
}

void overwrite(const std::string& file, int at) {
    std::ofstream(file, std::ios::app).close();  // made when missing
    std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(at)
        << std::string(4096, 'Z');
}

// FILE as a killed game leaves it: a commit of AFTER in its -wal that no checkpoint has reached,
// BEFORE's in the file itself. Returns the -wal's name.
std::string withLog(const std::string& file, const std::string& before, const char* after) {
    const std::string scratch = file + ".scratch";
    Database db(scratch, Database::Mode::ReadWrite);
    db.exec("PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0");
    db.exec(before.c_str());
    db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    db.exec(after);
    fs::copy_file(scratch, file, fs::copy_options::overwrite_existing);
    fs::copy_file(scratch + "-wal", file + "-wal");
    return file + "-wal";
}

// FILE as a game killed inside the first transaction of a new file leaves it: its journal hot.
void withJournal(const std::string& file) {
    if (::fork() == 0) {
        Database db(file, Database::Mode::ReadWrite);
        db.exec(
            "PRAGMA cache_size = 1; BEGIN; CREATE TABLE t (x); INSERT INTO t VALUES "
            "(zeroblob(65536))");
        std::_Exit(0);
    }
    ::wait(nullptr);
}

const std::string kNewest = [] {
    std::string sql;
    for (const char* step : schemaSteps()) sql += std::string(step) + ";";
    return sql + "PRAGMA user_version = " + std::to_string(kSchemaVersion);
}();

struct OpeningRow {
    const char* name;
    void (*make)(const std::string& file);  // the file as the game finds it, if any
    LogbookState state;
    const char* line;  // part of the line told
    int runs = 0;      // kept in it after
    int summary = 0;   // kSummaryDigits of its session figures
    const char* tail = "logbook.sqlite";
};

// Each row's summary figures as the digits of a number, its best added: a mistake in any moves
// the sum.
constexpr const char* kSummaryDigits =
    "SELECT sum(runs * 1000 + clean * 100 + early * 10 + staging + ifnull(best, 0)) "
    "FROM session_tree";

const std::string kLongTail =
    std::string(250, 'a') + "/" + std::string(250, 'b') + "/logbook.sqlite";

// A FIFO is never read: that would wait for a writer.
std::string bytesOf(const std::string& file) {
    return fs::is_regular_file(file) ? slurp(file) : fs::exists(file) ? "not a file" : "";
}

// A file's bytes, and its -wal's and whether it has a -shm.
struct Found {
    std::string bytes, log;
    bool shm;
    explicit Found(const std::string& file)
        : bytes(bytesOf(file)), log(bytesOf(file + "-wal")), shm(fs::exists(file + "-shm")) {}
    bool operator==(const Found&) const = default;
};

// Each row's file is kept byte for byte where it is or where it was set aside.
TEST(OpenLogbook, EachKindOfFileGivesItsStateAndOneLineAndKeepsItsBytes) {
    const OpeningRow rows[] = {
        {"a new file", nullptr, LogbookState::Writing, ""},
        {"a new file its game died making", withJournal, LogbookState::Writing, ""},
        {"a newer game's", [](auto& f) { runSql(f, "PRAGMA user_version = 9"); },
         LogbookState::ReadOnly, "from a newer version of the game; it is shown"},
        {"the newest version's, in WAL mode",
         [](auto& f) {
             runSql(f, (kNewest + "; PRAGMA journal_mode = WAL; PRAGMA user_version = 2147483647")
                           .c_str());
         },
         LogbookState::ReadOnly, "from a newer version of the game; it is shown"},
        {"a negative version", [](auto& f) { runSql(f, "PRAGMA user_version = -1000"); },
         LogbookState::Off, "(its version, -1000, is one no game writes); this session's"},
        {"version -1", [](auto& f) { runSql(f, "PRAGMA user_version = -1"); }, LogbookState::Off,
         "(its version, -1, is one no game writes)"},
        {"not a database", [](auto& f) { overwrite(f, 0); }, LogbookState::Writing,
         "was damaged; it was set aside"},
        {"damaged pages", [](auto& f) { runSql(f, kRows), overwrite(f, 8192); },
         LogbookState::Writing, "was damaged; it was set aside"},
        {"damaged, with its own -wal",
         [](auto& f) { withLog(f, kRows, "INSERT INTO t VALUES (1)"), overwrite(f, 8192); },
         LogbookState::Writing, "was damaged; it was set aside"},
        {"another database's -wal",
         [](auto& f) {
             runSql(f, (kNewest + "; PRAGMA journal_mode = WAL").c_str());
             const std::string other = f + ".other";
             fs::rename(withLog(other, kRows, "DELETE FROM t"), f + "-wal");
         },
         LogbookState::Writing, "was damaged; it was set aside"},
        {"another program's database", [](auto& f) { runSql(f, "CREATE TABLE notes (x)"); },
         LogbookState::Off, "is left as it is (it is another program's database)"},
        {"a column missing",
         [](auto& f) { runSql(f, (kNewest + "; ALTER TABLE run DROP COLUMN level").c_str()); },
         LogbookState::Off, "is left as it is (its run table has no column level)"},
        {"a FIFO", [](auto& f) { ::mkfifo(f.c_str(), 0600); }, LogbookState::Off,
         "(it is a FIFO, not a regular file); this session's"},
        {"a FIFO for its -wal",
         [](auto& f) { runSql(f, ""), ::mkfifo((f + "-wal").c_str(), 0600); }, LogbookState::Off,
         "(its -wal is a FIFO, not a regular file)"},
        {"a long path", nullptr, LogbookState::Off, "(the path is too long: at most 503 bytes)", 0,
         0, kLongTail.c_str()},
        {"under a plain file",
         [](auto& f) {
             const fs::path folder = fs::path(f).parent_path();
             fs::remove(folder), std::ofstream(folder).close();
         },
         LogbookState::Off, "runs are not being kept"},
        {"a version-1 file", [](auto& f) { runSql(f, kVersion1Runs.c_str()); },
         LogbookState::Writing, "", 3, 2101 + 213 + 1010 + 3111 + 213},
        {"a version-2 file", [](auto& f) { runSql(f, kVersion2Runs.c_str()); },
         LogbookState::Writing, "", 2},
    };
    for (const OpeningRow& row : rows) {
        const Folder folder;
        const std::string file = (folder.path / "korvane" / row.tail).string();
        fs::create_directories(fs::path(file).parent_path());
        if (row.make) row.make(file);
        const Found before(file);
        const Opened opened = openLogbook(file, kNoon);
        EXPECT_EQ(opened.state, row.state) << row.name;
        EXPECT_NE(opened.line.find(row.line), std::string::npos) << row.name << ": " << opened.line;
        if (*row.line == '\0') {
            EXPECT_EQ(opened.line, "") << row.name;
        }
        if (std::string(row.line).find("damaged") != std::string::npos) {
            // Its -shm may be made in the look; it holds nothing of the file's own.
            const Found aside(file + ".damaged-2026-12-08T120000");
            EXPECT_TRUE(aside.bytes == before.bytes && aside.log == before.log) << row.name;
        } else if (row.state != LogbookState::Writing) {
            EXPECT_TRUE(Found(file) == before) << row.name;
        }
        if (row.state == LogbookState::Writing) {
            EXPECT_EQ(count(file, "PRAGMA user_version"), kSchemaVersion) << row.name;
            EXPECT_EQ(count(file,
                            "SELECT count(*) FROM run WHERE car_delay IS NULL AND release_offset "
                            "IS NULL AND (start_delay IS NULL OR start_delay = 700)"),
                      row.runs)
                << row.name;
            EXPECT_EQ(count(file, kSummaryDigits), row.summary) << row.name;
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
        "^korvane: cannot keep the runs in [^\n]*permission denied: the file or its folder may "
        "not be written\\); this session's runs are not being kept\n$");
}

// The file may grow no further, as on a full disk: the system's words, not "disk I/O error".
TEST(Logbook, AWriteTheSystemRefusesIsToldInTheSystemsWords) {
    const Folder folder;
    const rlimit disk{256 * 1024, 256 * 1024};
    const Patience quick{milliseconds(1), milliseconds(1), {}, 2};
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &disk);
            Logbook logbook(openLogbook(folder.file(), kNoon), "1.00", kNoon, quick);
            for (int i = 1; i <= 40000; ++i) logbook.record(run(i, 200));
            for (int i = 0; i < 500 && logbook.state() == LogbookState::Writing; ++i) {
                std::this_thread::sleep_for(milliseconds(10));
            }
            std::exit(logbook.state() == LogbookState::Off ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "^korvane: cannot write the logbook [^\n]* \\(File too large\\); the runs from now on");
}

// The slip reads the line when told, so it is told outside the logbook's own lock, and once.
TEST(Logbook, AReceiverToldOfALastingFailureMayReadTheLine) {
    const Folder folder;
    Logbook logbook(openLogbook(folder.file(), kNoon), "1.00", kNoon,
                    {milliseconds(1), milliseconds(1), {}, 2});
    std::atomic<int> reports = 0;
    std::string told;
    logbook.setLineReport([&] {
        if (logbook.state() != LogbookState::Off) return;  // a batch kept
        told = logbook.line();
        ++reports;
    });
    Database(folder.file(), Database::Mode::ReadWrite).exec("DROP TABLE run");
    logbook.record(run(1, 200));
    for (int i = 0; i < 500 && reports == 0; ++i) std::this_thread::sleep_for(milliseconds(10));
    logbook.record(run(2, 200));
    EXPECT_EQ(logbook.state(), LogbookState::Off);
    EXPECT_NE(logbook.line().find("the runs from now on are not being kept"), std::string::npos);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(told, logbook.line());
}

struct DiskRow {
    const char* name;
    const char* size;  // of the disk
    bool readOnly;
    const char* told;  // a regular expression
};

// On a disk of its own in a mount namespace of its own, which only root may make.
TEST(Logbook, AFullOrReadOnlyDiskIsToldInPlainWords) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root for a disk of its own";
    const DiskRow rows[] = {
        {"a full disk", "size=128k", false,
         "^korvane: cannot write the logbook [^\n]* \\(the disk is full\\); the runs from now"},
        {"a read-only disk", "size=128k", true,
         "^korvane: cannot keep the runs in [^\n]* \\(the disk is mounted read-only\\); this"},
    };
    for (const DiskRow& row : rows) {
        const Folder folder;
        const std::string disk = (folder.path / "korvane").string();
        EXPECT_EXIT(
            {
                if (::unshare(CLONE_NEWNS) != 0 ||
                    ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                    ::mount("tmpfs", disk.c_str(), "tmpfs", 0, row.size) != 0 ||
                    (row.readOnly && ::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                                             row.size) != 0)) {
                    std::_Exit(99);
                }
                Logbook logbook(openLogbook(folder.file(), kNoon), "1.00", kNoon,
                                {milliseconds(1), milliseconds(1), {}, 2});
                for (int i = 1; i <= 2000; ++i) logbook.record(run(i, 200, std::string(100, 'x')));
                for (int i = 0; i < 500 && logbook.state() == LogbookState::Writing; ++i) {
                    std::this_thread::sleep_for(milliseconds(10));
                }
                std::exit(logbook.state() == LogbookState::Off ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), row.told)
            << row.name;
    }
}

struct HeldRow {
    const char* name;
    bool atStart;     // held from before the game opens it, or from after its first run
    int holdMs;       // another program holds the file this long
    const char* sql;  // what it does before letting go
    LogbookState state;
    std::string told;  // stderr, a regular expression
    int runs;          // kept in the file
};

long long runsIn(const std::string& file) {
    try {
        return count(file, "SELECT count(*) FROM run");
    } catch (const DatabaseError&) {
        return -1;
    }
}

// Each row races six runs a tenth of a second apart, the file held by another program meanwhile.
TEST(Logbook, AFileAnotherProgramHoldsIsWaitedOutAndOnlyALastingFailureTurnsItOff) {
    const Patience quick{milliseconds(10), milliseconds(100), milliseconds(300), 3};
    const std::string waited =
        "korvane: another program is holding the logbook [^\n]*; [0-9]+ "
        "runs wait to be kept there\n";
    const std::string keptNow = "korvane: the runs that waited are kept in the logbook [^\n]*\n";
    const HeldRow rows[] = {
        {"held briefly", false, 200, "", LogbookState::Writing, "", 6},
        {"held 1.5 s while racing", false, 1500, "", LogbookState::Writing, waited + keptNow, 6},
        {"held 1.5 s from the start", true, 1500, "", LogbookState::Writing, waited + keptNow, 6},
        {"its table dropped", false, 100, "DROP TABLE run", LogbookState::Off,
         "(" + waited +
             ")?korvane: cannot write the logbook [^\\n]*; the runs from now on are not being kept "
             "\\([0-9] waiting were not kept\\)\n",
         -1},
    };
    for (const HeldRow& row : rows) {
        const Folder folder;
        const std::string file = folder.file();
        Logbook(openLogbook(file, kNoon), "1.00");  // made, in WAL mode
        Database other(file, Database::Mode::ReadWrite);
        ::testing::internal::CaptureStderr();
        std::optional<Logbook> logbook;
        if (row.atStart) other.exec("BEGIN EXCLUSIVE");
        logbook.emplace(file, "1.00", kNoon, quick);
        logbook->record(run(1, 200));
        const auto held = std::chrono::steady_clock::now();
        if (!row.atStart) {
            for (int i = 0; i < 500 && runsIn(file) < 1; ++i) {
                std::this_thread::sleep_for(milliseconds(10));
            }
            other.exec("BEGIN EXCLUSIVE");
        }
        for (int i = 2; i <= 6; ++i) {
            std::this_thread::sleep_for(milliseconds(100));
            logbook->record(run(i, 200));
        }
        std::this_thread::sleep_until(held + milliseconds(row.holdMs));
        other.exec(row.sql);
        other.exec("COMMIT");
        for (int i = 0; i < 500 && (logbook->state() != row.state || runsIn(file) < row.runs);
             ++i) {
            std::this_thread::sleep_for(milliseconds(10));
        }
        EXPECT_EQ(logbook->state(), row.state) << row.name;
        logbook.reset();
        EXPECT_EQ(runsIn(file), row.runs) << row.name;
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(std::regex_match(told, std::regex(row.told))) << row.name << ": " << told;
    }
}

TEST(Logbook, ABurstBeyondTheRunsThatMayWaitIsKeptWhileNoOtherProgramHoldsTheFile) {
    const Folder folder;
    const int runs = static_cast<int>(kMostWaiting) + 100;
    {
        Logbook logbook(openLogbook(folder.file(), kNoon), "1.00");
        for (int i = 1; i <= runs; ++i) logbook.record(run(i, 200));
    }
    EXPECT_EQ(runsIn(folder.file()), runs);
}

TEST(Logbook, WhileAnotherProgramHoldsTheFileAtMostTheBoundWaitsAndTheRestAreTold) {
    const Folder folder;
    const std::string file = folder.file();
    Logbook(openLogbook(file, kNoon), "1.00");  // made, in WAL mode
    Database other(file, Database::Mode::ReadWrite);
    ::testing::internal::CaptureStderr();
    {
        Logbook logbook(file, "1.00", kNoon, {milliseconds(10), milliseconds(100), {}, 3});
        other.exec("BEGIN EXCLUSIVE");
        logbook.record(run(1, 200));
        std::this_thread::sleep_for(milliseconds(1300));  // a try has failed
        for (int i = 2; i <= static_cast<int>(kMostWaiting) + 100; ++i) logbook.record(run(i, 200));
        other.exec("COMMIT");
        for (int i = 0; i < 500 && runsIn(file) < 1; ++i)
            std::this_thread::sleep_for(milliseconds(10));
    }
    EXPECT_EQ(runsIn(file), static_cast<long long>(kMostWaiting));
    EXPECT_NE(
        ::testing::internal::GetCapturedStderr().find("; 100 beyond the 10000 that could wait"),
        std::string::npos);
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
        Logbook logbook(openLogbook(folder.file(), kNoon), "1.00 \"dev\", local", kNoon);
        RaceRecord delayed = run(1, 213, "Race of Champions");
        delayed.startDelayMs = 1734;
        delayed.carDelayMs = 400;
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
              "result,version,start_delay,car_delay,release_ms,perfect,within_020\r\n"
              "1,1,2026-12-08T12:00:00.000Z,2026-12-08T12:01:00.000Z,+01:00,Standard,"
              "Race of Champions,0.465,213,,0.505,0.500,win,\"1.00 \"\"dev\"\", local\",1734,400,"
              "-187,0,0\r\n"
              "1,2,2026-12-08T12:00:00.000Z,2026-12-08T12:02:00.000Z,+01:00,Standard,Normal,"
              "0.465,,,0.505,0.500,red light,\"1.00 \"\"dev\"\", local\",,,,,\r\n");
    // A file an older game left is exported as it is, without start delays.
    const std::string older = folder.file() + ".v1";
    Database(older, Database::Mode::ReadWrite).exec(kVersion1Runs.c_str());
    Database v1(older, Database::Mode::ReadOnly);
    readAsNewest(v1);
    std::ostringstream rows;
    exportCsv(v1, rows);
    EXPECT_TRUE(rows.str().ends_with(
        "\r\n1,3,1970-01-01T00:00:00.000Z,1970-01-01T00:00:00.000Z,+00:00,Standard,Normal,0.465,"
        ",,,,,1.00,,,,,\r\n"))
        << rows.str();
}

TEST(ExportCsv, MarksPerfectLightsAndThoseWithinTwentyOnTheShownThousandths) {
    const struct {
        int rtMs;
        const char* marks;
    } rows[] = {{0, ",1,1"}, {9, ",1,1"}, {10, ",0,1"}, {20, ",0,1"}, {21, ",0,0"}, {-1, ",0,0"}};
    const Folder folder;
    {
        Logbook logbook(openLogbook(folder.file(), kNoon), "1.00", kNoon);
        for (int i = 0; i < 6; ++i) logbook.record(run(i + 1, rows[i].rtMs));
    }
    Database db(folder.file(), Database::Mode::ReadOnly);
    std::ostringstream out;
    exportCsv(db, out);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    for (const auto& row : rows) {
        std::getline(lines, line);
        EXPECT_TRUE(line.ends_with(std::string(row.marks) + "\r")) << row.rtMs << ": " << line;
    }
}

TEST(PlainReason, TellsTheSystemsCauseOnlyWhereTheSystemRefused) {
    const struct {
        int code, error;
        const char* words;
    } rows[] = {
        {SQLITE_FULL, 0, "the disk is full"},
        {SQLITE_IOERR_WRITE, ENOSPC, "the disk is full"},
        {SQLITE_CANTOPEN, EROFS, "the disk is mounted read-only"},
        {SQLITE_CANTOPEN, ENAMETOOLONG, "the path is too long"},
        {SQLITE_IOERR_READ, EIO, "Input/output error"},
        {SQLITE_BUSY, ENOENT, "another program is holding the file"},  // an old errno
        {SQLITE_ERROR, ENOENT, "SQLite's words"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(plainReason(DatabaseError(row.code, "SQLite's words", row.error)), row.words);
    }
}

// A file the game kept words in is brought to codes with every run, and exported in the same
// words; the pages the old table held are given back, so the file shrinks.
TEST(OpenLogbook, AVersion2FileKeepsEveryRunAsCodesAndExportsItsWords) {
    const struct {
        const char* kept;  // level, roll-out, R/T, onset, player, computer and result in version 2
        const char* codes;
        const char* exported;  // "" where a word no game wrote leaves nothing to export
    } rows[] = {
        {"'Normal', 465, 213, 'shown', '0.505', '0.500', 'win'", "3|2|505|500|0",
         "Normal,0.465,213,shown,0.505,0.500,win"},
        {"'Race of Champions', 465, -41, 'sent to screen', '-0.041', '', 'red light'", "5|1|-41||2",
         "Race of Champions,0.465,-41,sent to screen,-0.041,,red light"},
        {"'Novice Trophy', 455, 12, '', '0.385', '0.497', 'loss'", "2|0|385|497|1",
         "Novice Trophy,0.455,12,,0.385,0.497,loss"},
        {"'no level', 465, NULL, '', '', '', 'no result'", "0|0|||", ",0.465,,,,,,"},
    };
    const Folder folder;
    std::string sql = std::string(schemaSteps()[0]) + "PRAGMA user_version = 1;" +
                      schemaSteps()[1] +
                      "; PRAGMA user_version = 2; INSERT INTO session VALUES (1, 0, 0, 0, '1.00');";
    for (const auto& r : rows) {
        sql += "INSERT INTO run VALUES (1, " + std::to_string(&r - rows + 1) + ", 0, 0, 0, " +
               r.kept + ", NULL);";
    }
    sql +=
        "WITH RECURSIVE n(i) AS (SELECT 5 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
        "INSERT INTO run SELECT 1, i, 0, 0, 0, 'Normal', 465, 213, 'shown', '0.505', "
        "'0.500', 'win', NULL FROM n;";
    Database(folder.file(), Database::Mode::ReadWrite).exec(sql.c_str());
    const auto before = fs::file_size(folder.file());
    ASSERT_EQ(openLogbook(folder.file(), kNoon).state, LogbookState::Writing);
    EXPECT_LT(fs::file_size(folder.file()), before);
    Database db(folder.file(), Database::Mode::ReadOnly);
    Statement unused(db, "PRAGMA freelist_count");
    ASSERT_TRUE(unused.step());
    EXPECT_EQ(unused.integer(0), 0);
    Statement codes(db,
                    "SELECT level || '|' || onset || '|' || ifnull(player, '') || '|' || "
                    "ifnull(computer, '') || '|' || ifnull(result, '') FROM run ORDER BY run");
    std::ostringstream csv;
    exportCsv(db, csv);
    for (const auto& r : rows) {
        ASSERT_TRUE(codes.step()) << r.kept;
        EXPECT_EQ(codes.text(0), r.codes);
        EXPECT_NE(csv.str().find(std::string(",Standard,") + r.exported), std::string::npos)
            << csv.str();
    }
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
