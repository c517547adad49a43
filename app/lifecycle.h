#pragma once

#include <memory>
#include <string>

#include "app/splash_form.h"
#include "app/window_system.h"
#include "common/message_boxes.h"
#include "common/timer.h"
#include "common/wave_player.h"
#include "race/main.h"

namespace korvane {

// The program's life: the splash window first, the hand-over to the race window while the
// start-up sound plays, and the way out through the farewell message.
class Lifecycle {
  public:
    Lifecycle(RaceServices services, WindowSystem& windows, TimerHost& timers);
    // The race window goes before the model it shows.
    ~Lifecycle();
    Lifecycle(const Lifecycle&) = delete;
    Lifecycle& operator=(const Lifecycle&) = delete;

    // Loads and shows the splash window; the event loop does the rest.
    void start();

    // The splash window has loaded: start the hand-over timer.
    void splashLoaded();
    // The hand-over timer ticks: load the race window, then show it.
    void handOverTick();
    // The race window has loaded: play the start-up sound to its end, then unload the splash.
    void raceWindowLoaded();
    // The quit button: the farewell message, then the end of the program.
    void quitClicked();

  private:
    void loadMain();
    void unloadSplash();

    RaceServices services_;
    WindowSystem& windows_;
    TimerHost& timers_;
    SplashForm splash_;
    std::unique_ptr<Main> main_;
    bool splashOnScreen_ = false;
};

}  // namespace korvane
