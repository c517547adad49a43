#include "x_probe.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace korvane::bench {

namespace {

// Reading a window that has just gone is an X error, which must not end the probe.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool viewable(Display* display, Window window, XWindowAttributes& attributes) {
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

template <typename Match>
Window findTopLevel(Display* display, Match match) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (viewable(display, children[i], attributes) && match(children[i], attributes)) {
            found = children[i];
        }
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

XProbe::XProbe() : display_(XOpenDisplay(nullptr)) {
    if (!display_) throw std::runtime_error("cannot open the X display");
    XSetErrorHandler(ignoreErrors);
}

XProbe::~XProbe() {
    XCloseDisplay(display_);
}

Window XProbe::findByTitle(const std::string& title) const {
    return findTopLevel(display_, [&](Window w, const XWindowAttributes&) {
        char* name = nullptr;
        const bool same = XFetchName(display_, w, &name) && name && title == name;
        if (name) XFree(name);
        return same;
    });
}

Window XProbe::findBySize(int width, int height) const {
    return findTopLevel(display_, [&](Window, const XWindowAttributes& a) {
        return a.width == width && a.height == height;
    });
}

std::int64_t XProbe::pixel(Window window, int x, int y) const {
    XImage* image =
        XGetImage(display_, window, x + originX_, y + originY_, 1, 1, AllPlanes, ZPixmap);
    if (!image) return -1;
    const auto value = static_cast<std::int64_t>(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return value;
}

void XProbe::useKey(const char* keysym) {
    keycode_ = XKeysymToKeycode(display_, XStringToKeysym(keysym));
}

void XProbe::press(Window window, int x, int y) {
    if (keycode_ != 0) {
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        XTestFakeKeyEvent(display_, keycode_, True, CurrentTime);
        XFlush(display_);
        return;
    }
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x + originX_, y + originY_,
                          &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XFlush(display_);
}

void XProbe::moveTo(int rootX, int rootY) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XFlush(display_);
}

void XProbe::hover(Window window, int x, int y) {
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x + originX_, y + originY_,
                          &rootX, &rootY, &child);
    moveTo(rootX, rootY);
}

void XProbe::aim(Window window, int x, int y) {
    hover(window, x, y);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XFlush(display_);
}

bool XProbe::covered(int rootX, int rootY, int width, int height) const {
    return findTopLevel(display_, [&](Window, const XWindowAttributes& a) {
               return a.x < rootX + width && rootX < a.x + a.width && a.y < rootY + height &&
                      rootY < a.y + a.height;
           }) != 0;
}

std::pair<int, int> XProbe::screenSize() const {
    return {DisplayWidth(display_, DefaultScreen(display_)),
            DisplayHeight(display_, DefaultScreen(display_))};
}

void XProbe::release() {
    if (keycode_ != 0) {
        XTestFakeKeyEvent(display_, keycode_, False, CurrentTime);
        XFlush(display_);
        return;
    }
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
}

}  // namespace korvane::bench
