#pragma once

namespace korvane::ui {

// Answers the game's command line before any display is opened: --help, --help-all and
// --version print and end the program with status 0; anything unknown prints the usage to
// stderr and ends it with status 2. Returns when the game should play; the QApplication made
// afterwards takes Qt's own options (-platform ...) from argv as usual.
void answerCommandLine(int argc, char* argv[]);

}  // namespace korvane::ui
