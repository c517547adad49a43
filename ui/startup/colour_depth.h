#pragma once

#include "common/message_boxes.h"

namespace korvane::ui {

// False when the screen cannot show the game's colours (fewer than 15 bits a pixel, where Qt
// draws nothing at all), after saying so on stderr and, where Qt can draw one, in a message box.
bool colourDepthUsable(MessageBoxes& messages);

}  // namespace korvane::ui
