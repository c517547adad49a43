#pragma once

namespace korvane::logbook {

// Called on a thread that works for the event loop (the writer, an export): the thread that
// wakes it keeps its core. On Linux such a thread runs as a batch job, which never preempts the
// thread that woke it (the event loop); elsewhere nothing changes.
void yieldToWakers();

}  // namespace korvane::logbook
