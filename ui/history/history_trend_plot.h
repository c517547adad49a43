#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

#include "logbook/history.h"

namespace korvane::ui {

// What the trend plot spans: local days along, the median R/T in its own panel in milliseconds
// (whole 50 ms, never under 100 ms tall) and the early-start share in a panel below (from 0, at
// least 10%, with room above the highest).
struct TrendSpan {
    double firstDay = 0;
    double lastDay = 1;
    double low = 150;
    double high = 250;
    double topShare = 0.1;
};
// The span of points placed at DAYS (as spreadDays gives them).
TrendSpan trendSpan(const std::vector<logbook::TrendPoint>& points,
                    const std::vector<double>& days);
// A session's start as local days since 1970.
double localDay(const logbook::TrendPoint& point);
// Where each point stands along the days: the sessions of one local day spread evenly across it,
// in their order, so that a day's sessions never stack on one vertical line.
std::vector<double> spreadDays(const std::vector<logbook::TrendPoint>& points);
// Days between date ticks: the smallest usual step that puts no more than MOST across DAYS.
int dayStep(double days, int most);
// The points of TREE (both trees together without one), oldest first.
std::vector<logbook::TrendPoint> pointsOf(const std::vector<logbook::TrendPoint>& points,
                                          std::optional<Tree> tree);

// Each session's median R/T and early-start share over the days on one tree (or both), each in a
// panel of its own, with a legend and dates along the bottom. Drawn into a picture when the
// points, the tree or the size change; a paint only shows that picture.
class HistoryTrendPlot : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryTrendPlot(QWidget* parent = nullptr);

    void setPoints(std::vector<logbook::TrendPoint> points);
    void setTree(std::optional<Tree> tree);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void choose();
    void render();
    void drawPlot(QPainter& painter) const;
    void drawRtPanel(QPainter& painter, const QRect& area) const;
    void drawSharePanel(QPainter& painter, const QRect& area) const;
    void drawDateAxis(QPainter& painter, const QRect& area) const;
    void drawLines(QPainter& painter, const QRect& rtArea, const QRect& shareArea) const;
    void drawLegend(QPainter& painter, const QRect& area) const;

    std::vector<logbook::TrendPoint> all_;
    std::optional<Tree> tree_;
    std::vector<logbook::TrendPoint> points_;  // the chosen tree's
    std::vector<double> days_;
    TrendSpan span_;
    QPixmap picture_;
    bool stale_ = true;
};

}  // namespace korvane::ui
