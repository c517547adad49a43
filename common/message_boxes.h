#pragma once

#include <string>

namespace korvane {

// Shows a modal message box titled with the application title, with one OK button and no
// icon, and returns once the player has dismissed it. The Qt binding supplies the real one.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::string& text) = 0;
};

}  // namespace korvane
