#include "logbook/writer_urgency.h"

namespace korvane::logbook {

void yieldToWakers() {}

}  // namespace korvane::logbook
