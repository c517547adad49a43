#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "ui/platform/resident_pages.h"

namespace korvane::ui {

void releaseReadOnlyPages(const void* data, std::size_t size) {
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + size) / page * page;
    // Read-only pages mapped from the program's file: dropped, they are read again if touched.
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

}  // namespace korvane::ui
