#pragma once

#include <sys/types.h>

namespace korvane::bench {

// Counters of a running process from /proc. Context switches are summed over the threads
// alive when read, so a thread that ends between two readings takes its share with it.
long long contextSwitches(pid_t pid);
// User plus system CPU time in seconds.
double cpuSeconds(pid_t pid);
// The most resident memory the process has had, in MB.
double peakRssMb(pid_t pid);

}  // namespace korvane::bench
