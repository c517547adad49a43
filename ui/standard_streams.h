#pragma once

namespace korvane::ui {

// Opens each of standard input, output and error that the game was started without on
// /dev/null. Called first thing, before anything opens a descriptor: otherwise the display
// connection or a sound file could take number 2, and every line meant for stderr would be
// written into it.
void openClosedStandardStreams();

// A reader of stdout or stderr that has gone away must not end the game with SIGPIPE: the
// write fails and its line is dropped.
void ignoreBrokenPipes();

}  // namespace korvane::ui
