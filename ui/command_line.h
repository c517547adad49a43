#pragma once

#include <QStringList>

namespace korvane::ui {

// Answers the game's command line before any display is opened: --help, --help-all and
// --version print and end the program with status 0; anything unknown prints the usage to
// stderr and ends it with status 2. Returns when the game should play; the QApplication made
// afterwards takes Qt's own options (-platform ...) from argv as usual.
void answerCommandLine(int argc, char* argv[]);

// Reads the game's command line as above. Until a QApplication has taken Qt's own options out,
// `qtOptionsTaken` is false, and an unknown option or --help-all returns false to be read
// again after that; otherwise it returns true when there was nothing to answer.
bool readCommandLine(const QStringList& arguments, bool qtOptionsTaken);

}  // namespace korvane::ui
