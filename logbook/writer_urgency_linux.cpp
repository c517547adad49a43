#include <sched.h>

#include "logbook/writer_urgency.h"

namespace korvane::logbook {

void yieldToWakers() {
    const sched_param normal{};
    // Best effort: without it the writer may take the event loop's core for a commit.
    (void)sched_setscheduler(0, SCHED_BATCH, &normal);
}

}  // namespace korvane::logbook
