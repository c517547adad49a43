#pragma once

#include <QDialog>

#include "ui/practice/practice_settings.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

namespace korvane::ui {

// The practice settings: a random start delay and a key as the race button. The race key is
// taken from the next key pressed after "Choose key".
class PracticeDialog : public QDialog {
  public:
    PracticeDialog(const PracticeSettings& settings, QWidget* parent = nullptr);
    PracticeSettings settings() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addDelayRow();
    void addKeyRow();
    void showKey();

    PracticeSettings settings_;
    QCheckBox* delayOn_ = nullptr;
    QDoubleSpinBox* from_ = nullptr;
    QDoubleSpinBox* to_ = nullptr;
    QPushButton* chooseKey_ = nullptr;
    bool choosingKey_ = false;
};

}  // namespace korvane::ui
