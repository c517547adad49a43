#include "ui/command_line.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

namespace korvane::ui {

namespace {

[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& error) {
    std::fprintf(stderr, "%s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
    std::exit(2);
}

}  // namespace

void readCommandLine(const QStringList& arguments, bool qtOptionsTaken) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Trains a drag racer's start: hold the race button, watch the light tree count down\n"
        "and let go on the green. A computer opponent races in the other lane.\n"
        "Ctrl+T in the race window shows or hides the time slip: your true reaction times."));
    parser.addHelpOption();
    parser.addVersionOption();
    const bool parsed = parser.parse(arguments);
    // An unknown option may be Qt's, and --help-all lists Qt's options: both wait for the
    // QApplication to know them.
    if (!qtOptionsTaken && (!parsed || parser.isSet(QStringLiteral("help-all")))) return;
    if (!parsed) usageError(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        usageError(parser, QStringLiteral("Unexpected argument '%1'.")
                               .arg(parser.positionalArguments().constFirst()));
    }
    // Prints the help or the version and leaves with status 0 when one was asked for.
    parser.process(arguments);
}

}  // namespace korvane::ui
