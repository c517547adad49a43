#include "common/colour.h"
#include "race/main.h"

namespace korvane {

// The frame's visibility alone says whether the panel is open; the button always tells what
// the next click will do.
void Main::Command3_Click() {
    const bool open = !Frame1.visible;
    Frame1.visible = open;
    Shape11.visible = open;
    Command3.caption = open ? "Done" : "Setup";
    Command3.backColor = open ? colour::kYellow : colour::kBlue;
}

}  // namespace korvane
