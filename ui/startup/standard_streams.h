#pragma once

#include <cstddef>
#include <string_view>

namespace korvane::ui {

// Opens each of standard input, output and error that the game was started without on
// /dev/null. Called first thing, before anything opens a descriptor: otherwise the display
// connection or a sound file could take number 2, and every line meant for stderr would be
// written into it.
void openClosedStandardStreams();

// Whether standard output was one of them: what is written to it reaches no one.
bool outputWasClosed();

// A reader of stdout or stderr that has gone away must not end the game with SIGPIPE: the
// write fails and its line is dropped.
void ignoreBrokenPipes();

// Bytes meant for stderr later that a signal ending the game first must not lose. While they
// are kept, SIGTERM, SIGINT, SIGHUP and the crash signals write them before ending the game as
// they would have. Signals ignored or handled already are left so. One caller at a time.
class KeptForSignals {
  public:
    KeptForSignals();
    ~KeptForSignals();
    KeptForSignals(const KeptForSignals&) = delete;
    KeptForSignals& operator=(const KeptForSignals&) = delete;

    // False when there is no room left for them.
    [[nodiscard]] bool keep(std::string_view bytes);
    // Where the bytes kept so far end; then that those before it have reached stderr.
    [[nodiscard]] std::size_t end() const;
    void written(std::size_t end);
};

}  // namespace korvane::ui
