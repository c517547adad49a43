#include "ui/platform/destroy_notify.h"

namespace korvane::ui {

WId destroyedWindow(const QByteArray& /*eventType*/, const void* /*message*/) {
    return 0;
}

}  // namespace korvane::ui
