#pragma once

#include "common/message_boxes.h"

namespace korvane::ui {

// A modal QMessageBox titled with the application title, with no icon and one OK button.
class QtMessageBoxes : public MessageBoxes {
  public:
    void show(const std::string& text) override;
};

}  // namespace korvane::ui
