#include "ui/startup/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

// Until a QApplication has taken Qt's own options out (`qtOptionsTaken` false), an unknown
// option or --help-all returns false to be read again after that; true: nothing to answer.
bool readCommandLine(const QStringList& arguments, bool qtOptionsTaken) {
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
    const bool parsed = parser.parse(arguments);
    // An unknown option may be Qt's, and --help-all lists Qt's options: both wait for a
    // QApplication to know them.
    if (!qtOptionsTaken && (!parsed || parser.isSet(QStringLiteral("help-all")))) return false;
    if (!parsed) usageError(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        usageError(parser, QStringLiteral("Unexpected argument '%1'.")
                               .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(version)) showVersion();
    // Prints the help and leaves with status 0 when it was asked for.
    parser.process(arguments);
    return true;
}

}  // namespace

void answerCommandLine(int argc, char* argv[]) {
    if (argc < 2) return;
    // Each application below may take arguments out of the list it is given: a copy keeps argv
    // whole for the game's own QApplication.
    std::vector<char*> arguments(argv, argv + argc + 1);
    {
        int count = argc;
        const QCoreApplication console(count, arguments.data());
        if (readCommandLine(QCoreApplication::arguments(), false)) return;
    }
    // Qt knows its own options only in a QApplication: one on the offscreen platform, which needs
    // no display, takes them out (a later -platform wins, so ours goes last).
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    arguments.assign(argv, argv + argc);
    arguments.insert(arguments.end(), {platform, offscreen, nullptr});
    int count = argc + 2;
    const QApplication probe(count, arguments.data());
    readCommandLine(QApplication::arguments(), true);
}

}  // namespace korvane::ui
