#include "nested_weston.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "bench/figures.h"

namespace korvane::bench {

namespace {

struct Placement {
    int left, top, right, bottom;
    int outputWidth, outputHeight;  // weston's output, the size of its X window
};

// Where weston's scene graph puts the top-level window titled TITLE.
std::optional<Placement> placementOf(const std::string& title) {
    const std::unique_ptr<FILE, int (*)(FILE*)> graph(
        popen("timeout 5 weston-debug scene-graph 2>/dev/null", "r"), pclose);
    if (!graph) return std::nullopt;
    const std::string wanted = "top-level window '" + title + "'";
    char line[1024];
    bool found = false;
    Placement p{};
    while (std::fgets(line, sizeof line, graph.get())) {
        if (std::string(line).find(wanted) != std::string::npos) found = true;
        std::sscanf(line, " mode: %dx%d", &p.outputWidth, &p.outputHeight);
        if (found && std::sscanf(line, " position: (%d, %d) -> (%d, %d)", &p.left, &p.top, &p.right,
                                 &p.bottom) == 4) {
            return p;
        }
    }
    return std::nullopt;
}

}  // namespace

Window findNestedWindow(XProbe& probe, const std::string& title, int width, int height) {
    const std::optional<Placement> placed = placementOf(title);
    if (!placed) return 0;
    // Qt draws its title bar above the client area and an equal border on the other sides.
    const int border = (placed->right - placed->left - width) / 2;
    probe.setOrigin(placed->left + border, placed->bottom - border - height);
    const Window output = probe.findBySize(placed->outputWidth, placed->outputHeight);
    // Weston follows the X pointer by relative motion from where it last entered its window:
    // the pointer enters once from the X screen's spare corner (the screen is the larger).
    const auto [screenWidth, screenHeight] = probe.screenSize();
    probe.moveTo(screenWidth - 1, screenHeight - 1);
    sleepMs(100);
    probe.moveTo(placed->left + border, placed->bottom - border - height);
    sleepMs(100);
    return output;
}

}  // namespace korvane::bench
