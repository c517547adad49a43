#include "ui/platform/resident_pages.h"

namespace korvane::ui {

void releaseReadOnlyPages(const void*, std::size_t) {}

}  // namespace korvane::ui
