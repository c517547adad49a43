#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "session/race_record.h"

namespace korvane::ui {

// What the plots show of a run, worked out once when the run is added.
struct PlotPoint {
    std::optional<double> rt;  // seconds; none before the hand-over
    bool red = false;
};
PlotPoint plotPointOf(const RaceRecord& run);

// R/T of every run in order, red lights marked in red and the median as a line.
class RtPlot : public QWidget {
  public:
    explicit RtPlot(const std::vector<PlotPoint>& runs, QWidget* parent = nullptr);
    // The session's median R/T, worked out once per release by the slip.
    void setMedian(std::optional<double> median) { median_ = median; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<PlotPoint>& runs_;
    std::optional<double> median_;
};

// How many runs fell in each 10 ms bin of R/T.
class RtHistogram : public QWidget {
  public:
    explicit RtHistogram(const std::vector<PlotPoint>& runs, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<PlotPoint>& runs_;
};

}  // namespace korvane::ui
