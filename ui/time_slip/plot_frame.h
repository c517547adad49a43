#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

#include "session/plot_scale.h"

namespace korvane::ui {

// A span of values laid along pixels from START, LENGTH long (negative: upwards).
struct PlotScale {
    Span span;
    double start = 0;
    double length = 0;
    double at(double value) const { return start + spanShare(span, value) * length; }
};

// The frame both slip plots share: a white ground with the title and the median's legend, value
// axes with labelled ticks and grid lines, axis titles, the median's band and line, grey boxes.
class PlotFrame {
  public:
    explicit PlotFrame(QPainter& painter);

    int line() const { return line_; }
    // Where a plot's area may start: below the title and the legend, with room for a tick
    // label's top.
    int headingHeight() const { return 2 * line_ + 8 + line_ / 2; }
    // Left of an area whose value labels are LABELS wide, the axis title beside them.
    int areaLeft(int labels) const { return line_ + 6 + labels + 5; }
    int widest(std::initializer_list<QString> labels) const;
    // A white ground, the title, and a legend of the median line and its band.
    void heading(const QString& title);

    // Ticks STEP apart up AREA's left edge, a grid line across it at each; labelled by LABEL.
    void leftAxis(const QRect& area, const PlotScale& scale, long long step,
                  const std::function<QString(long long)>& label);
    void leftTick(const QRect& area, double y, const QString& label);
    // Ticks STEP apart below the edge at BOTTOM, labelled by LABEL.
    void bottomAxis(int bottom, const PlotScale& scale, long long step,
                    const std::function<QString(long long)>& label);
    void bottomTick(int bottom, double x, const QString& label);
    // An axis title written upwards at the left edge, centred on TOP to BOTTOM; another along
    // the bottom edge, centred on LEFT to RIGHT.
    void leftTitle(const QString& title, int top, int bottom);
    void bottomTitle(const QString& title, int left, int right);

    // The median's +-.010 band across AREA, and its line, on a scale running along ORIENTATION.
    void medianBand(const QRect& area, const PlotScale& scale, Qt::Orientation orientation,
                    std::optional<double> median);
    void medianLine(const QRect& area, const PlotScale& scale, Qt::Orientation orientation,
                    std::optional<double> median);
    void boxes(std::initializer_list<QRect> boxes);

  private:
    QPainter& painter_;
    int line_;
};

// An R/T or a bound in milliseconds as the board writes it.
QString boardMs(long long ms);

}  // namespace korvane::ui
