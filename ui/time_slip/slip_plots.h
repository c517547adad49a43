#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "session/plot_scale.h"

namespace korvane::ui {

// R/T of every run in order on a scale of the clean reactions, early starts in a strip below
// it, red lights in red and the median with its +-.010 band.
class RtPlot : public QWidget {
  public:
    explicit RtPlot(const std::vector<PlotPoint>& runs, QWidget* parent = nullptr);
    // The session's median R/T in milliseconds, worked out once per release by the slip.
    void setMedian(std::optional<double> median) { median_ = median; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<PlotPoint>& runs_;
    std::optional<double> median_;
};

// How many clean reactions fell in each bin of R/T, early starts in a bar of their own.
class RtHistogram : public QWidget {
  public:
    explicit RtHistogram(const std::vector<PlotPoint>& runs, QWidget* parent = nullptr);
    void setMedian(std::optional<double> median) { median_ = median; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<PlotPoint>& runs_;
    std::optional<double> median_;
};

}  // namespace korvane::ui
