#include "ui/startup/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "logbook/csv_export.h"
#include "logbook/logbook_path.h"
#include "logbook/older_file.h"
#include "logbook/plain_words.h"
#include "ui/runs/runs_file.h"
#include "ui/startup/standard_streams.h"

namespace korvane::ui {

namespace {

[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& error) {
    std::fprintf(stderr, "%s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
    std::exit(2);
}

// The GNU form: the program's name, then the version.
[[noreturn]] void showVersion() {
    std::printf("korvane %s\n", qPrintable(QCoreApplication::applicationVersion()));
    std::exit(0);
}

[[noreturn]] void cannotExport(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "korvane: cannot export the logbook %s: %s\n", path.c_str(), why.c_str());
    std::exit(1);
}

// Row by row as read, every write and the last flush checked: a full disk or a closed stdout is
// no export.
void writeToOutput(const std::string& path, logbook::Database& db) {
    if (outputWasClosed()) cannotExport(path, "standard output is closed");
    const bool whole = logbook::exportCsv(db, [](std::string_view row) {
        return std::fwrite(row.data(), 1, row.size(), stdout) == row.size();
    });
    if (!whole || std::fflush(stdout) != 0) cannotExport(path, std::strerror(errno));
}

// Every run in the logbook at PATH as CSV to FILE ("-": standard output; a file is written whole
// or not at all); ends the program.
[[noreturn]] void exportLogbook(const std::string& path, const std::string& file) {
    try {
        const auto db = logbook::openForReading(path);
        if (file == "-") {
            writeToOutput(path, *db);
        } else if (const auto error = saveRuns(QString::fromStdString(file), logbookRows(*db))) {
            cannotExport(path, error->toStdString());
        }
    } catch (const logbook::DatabaseError& error) {
        cannotExport(path, logbook::plainReason(error));
    } catch (const std::exception& error) {
        cannotExport(path, error.what());
    }
    std::exit(0);
}

struct LogbookOptions {
    QCommandLineOption file{QStringLiteral("logbook"),
                            QStringLiteral("Keeps the runs in <file> instead of the usual one."),
                            QStringLiteral("file")};
    QCommandLineOption none{QStringLiteral("no-logbook"),
                            QStringLiteral("Keeps no runs beyond this session.")};
    QCommandLineOption exported{
        QStringLiteral("export-logbook"),
        QStringLiteral("Writes every run kept as CSV to <file> (- for standard output) and ends."),
        QStringLiteral("file")};
};

// The usual file, kept unless there is nowhere to keep it.
LogbookChoice usualLogbook() {
    const std::string path = logbook::defaultLogbookPath();
    return {path, !path.empty()};
}

// A file name given with OPTION: never empty, and as the system has it (a byte that is not
// UTF-8 would come back as U+FFFD and name another file).
std::string fileName(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QString name = parser.value(option);
    const char* problem = name.isEmpty() ? "needs a file name"
                          : name.contains(QChar::ReplacementCharacter)
                              ? "takes a file name in UTF-8 only"
                              : nullptr;
    if (problem == nullptr) return name.toStdString();
    std::fprintf(stderr, "korvane: --%s %s\n", qPrintable(option.names().constFirst()), problem);
    std::exit(2);
}

LogbookChoice logbookChoice(const QCommandLineParser& parser, const LogbookOptions& options) {
    LogbookChoice choice = usualLogbook();
    if (parser.isSet(options.file)) choice = {fileName(parser, options.file), true};
    if (parser.isSet(options.none)) choice.keep = false;
    if (parser.isSet(options.exported)) {
        exportLogbook(choice.path, fileName(parser, options.exported));
    }
    return choice;
}

// Until a QApplication has taken Qt's own options out (`qtOptionsTaken` false), an unknown
// option or --help-all returns nothing to be read again after that; else the logbook to keep.
std::optional<LogbookChoice> readCommandLine(const QStringList& arguments, bool qtOptionsTaken) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Trains a drag racer's start: hold the race button, watch the light tree count down\n"
        "and let go on the green. A computer opponent races in the other lane.\n"
        "A game controller's button, a joystick or a pedal works as the race button too.\n"
        "Ctrl+T in the race window shows or hides the time slip: your true reaction times."));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(version);
    const LogbookOptions logbook;
    parser.addOptions({logbook.file, logbook.none, logbook.exported});
    const bool parsed = parser.parse(arguments);
    // An unknown option may be Qt's, and --help-all lists Qt's options: both wait for a
    // QApplication to know them.
    if (!qtOptionsTaken && (!parsed || parser.isSet(QStringLiteral("help-all")))) return {};
    if (!parsed) usageError(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        usageError(parser, QStringLiteral("Unexpected argument '%1'.")
                               .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(version)) showVersion();
    // Prints the help and leaves with status 0 when it was asked for.
    parser.process(arguments);
    return logbookChoice(parser, logbook);
}

}  // namespace

LogbookChoice answerCommandLine(int argc, char* argv[]) {
    if (argc < 2) return usualLogbook();
    // Each application below may take arguments out of the list it is given: a copy keeps argv
    // whole for the game's own QApplication.
    std::vector<char*> arguments(argv, argv + argc + 1);
    {
        int count = argc;
        const QCoreApplication console(count, arguments.data());
        if (auto choice = readCommandLine(QCoreApplication::arguments(), false)) return *choice;
    }
    // Qt knows its own options only in a QApplication: one on the offscreen platform, which needs
    // no display, takes them out (a later -platform wins, so ours goes last).
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    arguments.assign(argv, argv + argc);
    arguments.insert(arguments.end(), {platform, offscreen, nullptr});
    int count = argc + 2;
    const QApplication probe(count, arguments.data());
    return *readCommandLine(QApplication::arguments(), true);
}

}  // namespace korvane::ui
