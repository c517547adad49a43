#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <utility>

namespace korvane::bench {

// An X client that finds a window, reads single pixels of it and moves and clicks the pointer
// through XTest, as a player's mouse would.
class XProbe {
  public:
    XProbe();
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    // The first viewable top-level window with this title, or of this size; 0 when none.
    Window findByTitle(const std::string& title) const;
    Window findBySize(int width, int height) const;
    // The colour of one pixel as 0xRRGGBB, or -1 when the window cannot be read.
    std::int64_t pixel(Window window, int x, int y) const;
    // The mouse's left button at a point of the window, or the key chosen by useKey.
    void press(Window window, int x, int y);
    void release();
    // From now on press and release are this key's (an X keysym name such as "F"), sent to the
    // window given the focus: the game's race key.
    void useKey(const char* keysym);
    // Moves the pointer to a point of the X screen, and the screen's size.
    void moveTo(int rootX, int rootY);
    std::pair<int, int> screenSize() const;
    // Moves the pointer to the point of the window, as a hand brings the mouse to a button.
    void hover(Window window, int x, int y);
    // Hovers, and gives the window the keyboard's focus: the racer's hand on the input and the
    // window active before a race, when the bench goes between two windows.
    void aim(Window window, int x, int y);
    // Whether a viewable top-level window covers any of this rectangle of the X screen.
    bool covered(int rootX, int rootY, int width, int height) const;
    // Where the race window's client area lies inside the window read, when that window is a
    // nested compositor's output rather than the game's own.
    void setOrigin(int x, int y) {
        originX_ = x;
        originY_ = y;
    }

  private:
    Display* display_;
    int originX_ = 0;
    int originY_ = 0;
    unsigned keycode_ = 0;
};

}  // namespace korvane::bench
