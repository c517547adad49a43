#include "ui/time_slip/slip_plots.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "session/session_figures.h"

namespace korvane::ui {

namespace {

constexpr int kMargin = 28;
constexpr double kBin = 0.010;
constexpr std::size_t kCrowded = 400;

void frame(QPainter& painter, const QRect& area, const QString& title) {
    painter.fillRect(painter.window(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(area);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, painter.window().width(), kMargin - 4), Qt::AlignCenter, title);
}

}  // namespace

PlotPoint plotPointOf(const RaceRecord& run) {
    return {reactionSeconds(run), run.playerRed};
}

PlotSpan plotSpan(const std::vector<PlotPoint>& runs) {
    PlotSpan span;
    for (const PlotPoint& run : runs) {
        if (const auto rt = run.rt) {
            span.low = std::min(span.low, std::floor(*rt / kBin) * kBin);
            span.high = std::max(span.high, std::ceil(*rt / kBin) * kBin + kBin);
        }
    }
    return span;
}

double spanShare(const PlotSpan& span, double rt) {
    return (rt - span.low) / (span.high - span.low);
}

double runShare(std::size_t i, std::size_t count) {
    return static_cast<double>(i) / (std::max<double>(static_cast<double>(count), 2) - 1);
}

PlotBins plotBins(const std::vector<PlotPoint>& runs, const PlotSpan& span) {
    PlotBins bins{std::lround(span.low / kBin), {}};
    bins.counts.resize(static_cast<std::size_t>(std::lround(span.high / kBin) - bins.first + 1));
    for (const PlotPoint& run : runs) {
        if (run.rt) {
            ++bins.counts[static_cast<std::size_t>(std::lround(std::floor(*run.rt / kBin)) -
                                                   bins.first)];
        }
    }
    return bins;
}

RtPlot::RtPlot(const std::vector<PlotPoint>& runs, QWidget* parent) : QWidget(parent), runs_(runs) {
    setMinimumSize(170, 160);
    setAccessibleName(tr("R/T per run"));
}

void RtPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect().adjusted(kMargin, kMargin, -8, -8);
    frame(painter, area, tr("R/T per run"));
    const PlotSpan span = plotSpan(runs_);
    const auto y = [&](double rt) { return area.bottom() - spanShare(span, rt) * area.height(); };
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.drawLine(QPointF(area.left(), y(0)), QPointF(area.right(), y(0)));
    if (median_) {
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawLine(QPointF(area.left(), y(*median_)), QPointF(area.right(), y(*median_)));
    }
    // A red light without R/T (before the hand-over) is marked on the bottom edge. Points
    // shrink in a long session, where they crowd each other anyway.
    const int size = runs_.size() > kCrowded ? 2 : 5;
    std::vector<QRect> clean;
    std::vector<QRect> red;
    std::vector<bool> drawn(static_cast<std::size_t>((area.width() + 1) * (area.height() + 1) * 2));
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        const auto rt = runs_[i].rt;
        if (!rt && !runs_[i].red) continue;
        const int x = static_cast<int>(area.left() + runShare(i, runs_.size()) * area.width());
        const int top = static_cast<int>(rt ? y(*rt) : area.bottom());
        // One point a pixel and colour is enough, however many runs fall on it.
        const QPoint cell = QPoint(x, top) - area.topLeft();
        if (area.contains(x, top)) {
            auto seen = drawn[static_cast<std::size_t>(
                (cell.y() * (area.width() + 1) + cell.x()) * 2 + (runs_[i].red ? 1 : 0))];
            if (seen) continue;
            seen = true;
        }
        const int grow = runs_[i].red ? 1 : 0;
        (runs_[i].red ? red : clean)
            .emplace_back(x - size / 2 - grow, top - size / 2 - grow, size + 2 * grow,
                          size + 2 * grow);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::darkGreen);
    painter.drawRects(clean.data(), static_cast<int>(clean.size()));
    painter.setBrush(Qt::red);
    painter.drawRects(red.data(), static_cast<int>(red.size()));
}

RtHistogram::RtHistogram(const std::vector<PlotPoint>& runs, QWidget* parent)
    : QWidget(parent), runs_(runs) {
    setMinimumSize(170, 160);
    setAccessibleName(tr("R/T histogram, 10 ms bins"));
}

void RtHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect().adjusted(kMargin, kMargin, -8, -8);
    frame(painter, area, tr("R/T in 10 ms bins"));
    const PlotSpan span = plotSpan(runs_);
    const PlotBins bins = plotBins(runs_, span);
    const int tallest = std::max(1, *std::max_element(bins.counts.begin(), bins.counts.end()));
    const double width = area.width() * kBin / (span.high - span.low);
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        if (bins.counts[i] == 0) continue;
        const double left = area.left() + static_cast<double>(i) * width;
        const double height = static_cast<double>(bins.counts[i]) / tallest * area.height();
        const bool early = static_cast<long>(i) + bins.first < 0;
        painter.fillRect(QRectF(left, area.bottom() - height, width - 1, height),
                         early ? Qt::red : Qt::darkGreen);
    }
}

}  // namespace korvane::ui
