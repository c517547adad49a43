#pragma once

#include <grp.h>
#include <unistd.h>

#include <cstdlib>

namespace korvane::testing {

// Root reads and searches everything, so permission cases run in a child process that first
// becomes the unprivileged user "nobody" (a no-op for an ordinary user). Ends the child with
// exit code 99 when the switch fails.
inline void becomeUnprivileged() {
    if (::geteuid() != 0) return;
    constexpr uid_t kNobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
        std::_Exit(99);
    }
}

}  // namespace korvane::testing
