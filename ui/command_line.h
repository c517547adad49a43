#pragma once

#include <QStringList>

namespace korvane::ui {

// Reads the game's command line. --help and --version print and end the program with status 0;
// anything else prints the usage to stderr and ends it with status 2; with nothing to read it
// returns and the game plays. Until the QApplication has taken Qt's own options (-platform ...)
// out, `qtOptionsTaken` is false and an unknown option returns to be read again after that.
void readCommandLine(const QStringList& arguments, bool qtOptionsTaken);

}  // namespace korvane::ui
