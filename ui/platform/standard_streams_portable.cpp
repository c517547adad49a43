#include "ui/startup/standard_streams.h"

namespace korvane::ui {

// Where there is no POSIX, the streams are the system's to set up, a pipe's reader going away
// raises no signal, and the lines kept for a signal need not be written by one.
void openClosedStandardStreams() {}

bool outputWasClosed() {
    return false;
}

void ignoreBrokenPipes() {}

KeptForSignals::KeptForSignals() = default;

KeptForSignals::~KeptForSignals() = default;

bool KeptForSignals::keep(std::string_view /*bytes*/) {
    return true;
}

std::size_t KeptForSignals::end() const {
    return 0;
}

void KeptForSignals::written(std::size_t /*end*/) {}

}  // namespace korvane::ui
