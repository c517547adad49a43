#include "common/colour.h"
#include "race/main.h"

namespace korvane {

// The panel's visibility alone says whether it is open; the button always tells what the next
// click will do.
void Main::setupButtonClicked() {
    const bool open = !setupPanel.visible;
    setupPanel.visible = open;
    setupBackdrop.visible = open;
    setupButton.caption = open ? "Done" : "Setup";
    setupButton.backColor = open ? colour::kYellow : colour::kBlue;
}

}  // namespace korvane
