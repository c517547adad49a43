#pragma once

namespace korvane::ui {

// Starts the threads Qt's painting hands large fills to and keeps them for good: made on first
// use inside a paint, and again after each idle half minute, they held up that paint.
void keepPaintThreadsReady();

}  // namespace korvane::ui
