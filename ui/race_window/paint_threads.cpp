#include "ui/race_window/paint_threads.h"

#include <QThreadPool>
#include <latch>
#include <memory>

namespace korvane::ui {

void keepPaintThreadsReady() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    const int threads = pool->maxThreadCount();
    // Each task holds its thread until all have one, so the pool makes every thread now.
    auto allStarted = std::make_shared<std::latch>(threads);
    for (int i = 0; i < threads; ++i) pool->start([allStarted] { allStarted->arrive_and_wait(); });
}

}  // namespace korvane::ui
