#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

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
    void press(Window window, int x, int y);
    void release();

  private:
    Display* display_;
};

}  // namespace korvane::bench
