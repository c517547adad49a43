#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/splash_form.h"
#include "qt_app.h"
#include "ui/qt_timer_service.h"
#include "ui/qt_window_system.h"
#include "ui/splash_window.h"

namespace korvane::testing {
namespace {

// Qt runs pending events inside show() for a splash screen shown before the event loop starts.
// On a slow machine the splash's 5 ms tick is already due then; it must wait until the splash
// is up, or it loads the race window and unloads the splash in the middle of showing it.
TEST(QtWindowSystemTest, ATickAlreadyDueWaitsUntilTheSplashIsShown) {
    qtApp();
    ui::QtTimerService timers;
    ui::QtWindowSystem windows(timers, nullptr);
    SplashForm form;
    int ticks = 0;
    bool splashUpAtTick = false;
    form.handOver.onTick([&] {
        if (++ticks > 1) return;
        splashUpAtTick = windows.splashWindow() && windows.splashWindow()->isVisible();
        windows.unloadSplash();
    });
    form.handOver.setHost(&timers);
    form.handOver.setEnabled(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    windows.showSplash(form);
    EXPECT_EQ(ticks, 0) << "a tick ran inside showSplash";
    ASSERT_TRUE(waitUntil([&] { return ticks > 0; }, 2000));
    EXPECT_TRUE(splashUpAtTick);
    EXPECT_EQ(windows.splashWindow(), nullptr);
    form.handOver.setEnabled(false);
}

}  // namespace
}  // namespace korvane::testing
