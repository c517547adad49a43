#include "handler_guard.h"

#include <QtGlobal>

namespace korvane::ui {

void runGuarded(const std::function<void()>& handler, const ErrorReport& report) {
    try {
        handler();
    } catch (const std::exception& error) {
        if (report) {
            report(error);
        } else {
            qWarning("korvane: %s", error.what());
        }
    }
}

}  // namespace korvane::ui
