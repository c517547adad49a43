#pragma once

#include <cstddef>

namespace korvane::ui {

// Gives back the memory pages wholly inside this stretch of the program's own read-only data;
// a later read brings them back from the file. Does nothing where it cannot.
void releaseReadOnlyPages(const void* data, std::size_t size);

}  // namespace korvane::ui
