#include "ui/platform/key_state.h"

namespace korvane::ui {

bool keyHeldDown(quint32 /*nativeScanCode*/) {
    return false;
}

}  // namespace korvane::ui
