#include "common/handler_guard.h"

#include <cstdio>

namespace korvane {

void runGuarded(const std::function<void()>& handler, const ErrorReport& report) {
    try {
        handler();
    } catch (const std::exception& error) {
        if (report) {
            report(error);
        } else {
            std::fprintf(stderr, "korvane: %s\n", error.what());
        }
    }
}

}  // namespace korvane
