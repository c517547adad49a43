#pragma once

#include <QDialog>

#include "ui/practice/practice_settings.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace korvane::ui {

class ControllerRoute;

// The practice settings: a random start delay, the car's delay, the results blocker, a key as
// the race button and the one controller input to race with. The key is the next one pressed after
// "Choose key", the input the next one going down after "Choose input"; the controllers the game
// sees are listed as they come and go.
class PracticeDialog : public QDialog {
  public:
    PracticeDialog(const PracticeSettings& settings, ControllerRoute* route,
                   QWidget* parent = nullptr);
    ~PracticeDialog() override;
    PracticeSettings settings() const;
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addDelayRow();
    void addCarDelayRows();
    void addKeyRow();
    void addControllerRows();
    void showKey();
    void showControllers();
    void showInput();
    void inputOffered(const input::ChosenInput& input);

    PracticeSettings settings_;
    QCheckBox* delayOn_ = nullptr;
    QDoubleSpinBox* from_ = nullptr;
    QDoubleSpinBox* to_ = nullptr;
    QDoubleSpinBox* carDelay_ = nullptr;
    QCheckBox* blocker_ = nullptr;
    QLabel* rangeProblem_ = nullptr;
    QPushButton* chooseKey_ = nullptr;
    bool choosingKey_ = false;
    ControllerRoute* route_;
    QLabel* controllers_ = nullptr;
    QPushButton* chooseInput_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace korvane::ui
