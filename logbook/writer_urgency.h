#pragma once

namespace korvane::logbook {

// Called on the writer's thread: the thread that wakes it keeps its core. On Linux the writer
// runs as a batch job, which never preempts the thread that woke it (the event loop); elsewhere
// nothing changes.
void yieldToWakers();

}  // namespace korvane::logbook
