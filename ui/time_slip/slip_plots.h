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

// The R/T range both plots show, in seconds: whole 10 ms bins around what the runs reached,
// never narrower than -.050 to .350.
struct PlotSpan {
    double low = -0.05;
    double high = 0.35;
};
PlotSpan plotSpan(const std::vector<PlotPoint>& runs);
// How far up the span an R/T lies: 0 at its low end, 1 at its high end.
double spanShare(const PlotSpan& span, double rt);
// How far along the plot run i of count lies: the first at 0, the last at 1.
double runShare(std::size_t i, std::size_t count);

// How many R/Ts fell in each 10 ms bin of the span; bin k holds k x 10 ms up to (k+1) x 10 ms.
struct PlotBins {
    long first = 0;  // the bin of counts[0]
    std::vector<int> counts;
};
PlotBins plotBins(const std::vector<PlotPoint>& runs, const PlotSpan& span);

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
