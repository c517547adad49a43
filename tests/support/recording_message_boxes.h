#pragma once

#include <string>
#include <vector>

#include "common/message_boxes.h"

namespace korvane::testing {

// Keeps the text of every message box instead of showing it.
class RecordingMessageBoxes : public MessageBoxes {
  public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

}  // namespace korvane::testing
