#pragma once

#include <QWidget>
#include <vector>

#include "race/race_record.h"

namespace korvane::ui {

// R/T of every run in order, red lights marked in red and the median as a line.
class RtPlot : public QWidget {
  public:
    explicit RtPlot(const std::vector<RaceRecord>& runs, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<RaceRecord>& runs_;
};

// How many runs fell in each 10 ms bin of R/T.
class RtHistogram : public QWidget {
  public:
    explicit RtHistogram(const std::vector<RaceRecord>& runs, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<RaceRecord>& runs_;
};

}  // namespace korvane::ui
