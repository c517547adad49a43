#pragma once

#include <QWidget>
#include <vector>

#include "logbook/history.h"

namespace korvane::ui {

// What the trend plot spans: local days along, the median R/T up the left in milliseconds (whole
// 50 ms, never under 100 ms tall) and the early-start share up the right (from 0, at least 10%).
struct TrendSpan {
    double firstDay = 0;
    double lastDay = 1;
    double low = 150;
    double high = 250;
    double topShare = 0.1;
};
TrendSpan trendSpan(const std::vector<logbook::TrendPoint>& points);
// A session's start as local days since 1970.
double localDay(const logbook::TrendPoint& point);
// Days between date ticks: the smallest usual step that puts no more than MOST across DAYS.
int dayStep(double days, int most);

// Each session's median R/T and early-start share over the days, with both axes, a legend and
// dates along the bottom.
class HistoryTrendPlot : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryTrendPlot(QWidget* parent = nullptr);

    void setPoints(std::vector<logbook::TrendPoint> points);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void drawAxes(QPainter& painter, const QRect& area) const;
    void drawRtAxis(QPainter& painter, const QRect& area) const;
    void drawShareAxis(QPainter& painter, const QRect& area) const;
    void drawDateAxis(QPainter& painter, const QRect& area) const;
    void drawLines(QPainter& painter, const QRect& area) const;
    void drawLegend(QPainter& painter, const QRect& area) const;

    std::vector<logbook::TrendPoint> points_;
    TrendSpan span_;
};

}  // namespace korvane::ui
