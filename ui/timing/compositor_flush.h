#pragma once

namespace korvane::ui {

// Sends the window system what Qt has buffered for it, now. A Wayland client's committed frame
// waits in the connection until the event loop runs again, so a handler that repaints and then
// blocks the loop (a sound) must send it first; elsewhere there is nothing to send.
void flushToCompositor();

}  // namespace korvane::ui
