#pragma once

namespace korvane {

class Main;
class SplashForm;

// The window operations the program's life needs; the Qt binding carries them out.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // Creates the splash window's screen object and shows it, modeless and centred.
    virtual void showSplash(SplashForm& splash) = 0;
    // Destroys the splash window's screen object.
    virtual void unloadSplash() = 0;
    // Creates the race window's screen object, hidden, with all its controls.
    virtual void loadMain(Main& main) = 0;
    // Shows the race window, modeless and without an owner.
    virtual void showMain() = 0;
    // Destroys the race window's screen object and what stands beside it; its model goes next.
    virtual void unloadMain() = 0;
    // Ends the program at once with the given exit status; no handler runs after it.
    virtual void endProgram(int status) = 0;
};

}  // namespace korvane
