#pragma once

#include <string>

namespace korvane::ui {

// Where the session's runs are kept: the file, or nowhere.
struct LogbookChoice {
    std::string path;
    bool keep = true;
};

// Answers the game's command line before any display is opened: --help, --help-all and
// --version print and end the program with status 0, --export-logbook writes the logbook as CSV
// and ends it with 0 (1 when the logbook cannot be read); anything unknown prints the usage to
// stderr and ends it with status 2. Returns the logbook to keep when the game should play; the
// QApplication made afterwards takes Qt's own options (-platform ...) from argv as usual.
LogbookChoice answerCommandLine(int argc, char* argv[]);

}  // namespace korvane::ui
