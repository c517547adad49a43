#pragma once

#include <string>
#include <vector>

#include "common/message_boxes.h"

namespace korvane::testing {

// Records the texts of the message boxes instead of showing them.
class RecordingMessageBoxes : public MessageBoxes {
  public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

}  // namespace korvane::testing
