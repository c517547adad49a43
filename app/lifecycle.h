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

    // Loads and shows the splash window; the event loop does the rest.
    void start();

    // Handlers of the splash window.
    void Splash_Form_Load();
    void Splash_Timer1_Timer();
    // Handlers of the race window that belong to the program's life.
    void Main_Form_Load();
    void Command2_Click();

    bool ended() const { return ended_; }

  private:
    void loadMain();
    void unloadSplash();

    RaceServices services_;
    WindowSystem& windows_;
    TimerHost& timers_;
    SplashForm splash_;
    std::unique_ptr<Main> main_;
    bool splashLoaded_ = false;
    bool ended_ = false;
};

}  // namespace korvane
