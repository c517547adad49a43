#include "sound/deadline_worker.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>

namespace korvane::testing {
namespace {

using namespace std::chrono_literals;

// A job that holds the worker until the test lets it go, like a call into a stopped server.
struct Gate {
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
};

TEST(DeadlineWorker, AStuckJobIsLeftBehindAndTheWorkerTakesNoNewOneUntilItEnds) {
    DeadlineWorker worker;
    auto gate = std::make_shared<Gate>();
    auto ran = std::make_shared<std::promise<void>>();
    ASSERT_TRUE(worker.post([gate] { gate->opened.wait(); }, 0ms));

    EXPECT_FALSE(worker.post([ran] { ran->set_value(); }, 50ms)) << "taken while stuck";
    gate->open.set_value();
    EXPECT_TRUE(worker.post([ran] { ran->set_value(); }, 10s)) << "refused once free again";
    EXPECT_EQ(ran->get_future().wait_for(10s), std::future_status::ready);
}

TEST(DeadlineWorker, EndingTheOwnerNeverWaitsForAStuckJob) {
    auto gate = std::make_shared<Gate>();
    auto ended = std::make_shared<std::promise<void>>();
    {
        DeadlineWorker worker;
        ASSERT_TRUE(worker.post(
            [gate, ended] {
                gate->opened.wait();
                ended->set_value();
            },
            0ms));
    }  // the destructor returns while the job is still stuck ...
    gate->open.set_value();
    // ... and the job still ends on its own with everything it shares.
    EXPECT_EQ(ended->get_future().wait_for(10s), std::future_status::ready);
}

}  // namespace
}  // namespace korvane::testing
