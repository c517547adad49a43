#include "ui/slip_plots.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

#include "app/session_figures.h"

namespace korvane::ui {

namespace {

constexpr int kMargin = 28;
constexpr double kBin = 0.010;

struct Span {
    double low = -0.05;
    double high = 0.35;
};

// The R/T range shown: what the runs reached, never narrower than the default.
Span spanOf(const std::vector<RaceRecord>& runs) {
    Span span;
    for (const RaceRecord& run : runs) {
        if (const auto rt = reactionSeconds(run)) {
            span.low = std::min(span.low, std::floor(*rt / kBin) * kBin);
            span.high = std::max(span.high, std::ceil(*rt / kBin) * kBin + kBin);
        }
    }
    return span;
}

void frame(QPainter& painter, const QRect& area, const QString& title) {
    painter.fillRect(painter.window(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(area);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, painter.window().width(), kMargin - 4), Qt::AlignCenter, title);
}

}  // namespace

RtPlot::RtPlot(const std::vector<RaceRecord>& runs, QWidget* parent)
    : QWidget(parent), runs_(runs) {
    setMinimumSize(200, 160);
    setAccessibleName(tr("R/T per run"));
}

void RtPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect().adjusted(kMargin, kMargin, -8, -8);
    frame(painter, area, tr("R/T per run"));
    const Span span = spanOf(runs_);
    const double n = std::max<double>(runs_.size(), 2);
    const auto y = [&](double rt) {
        return area.bottom() - (rt - span.low) / (span.high - span.low) * area.height();
    };
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.drawLine(QPointF(area.left(), y(0)), QPointF(area.right(), y(0)));
    if (const auto median = sessionFigures(runs_).median) {
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawLine(QPointF(area.left(), y(*median)), QPointF(area.right(), y(*median)));
    }
    // A red light without R/T (before the hand-over) is marked on the bottom edge.
    QPolygonF clean;
    QPolygonF red;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        const auto rt = reactionSeconds(runs_[i]);
        if (!rt && !runs_[i].playerRed) continue;
        const QPointF at(area.left() + i / (n - 1) * area.width(), rt ? y(*rt) : area.bottom());
        (runs_[i].playerRed ? red : clean) << at;
    }
    painter.setPen(QPen(Qt::darkGreen, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(clean);
    painter.setPen(QPen(Qt::red, 7, Qt::SolidLine, Qt::SquareCap));
    painter.drawPoints(red);
}

RtHistogram::RtHistogram(const std::vector<RaceRecord>& runs, QWidget* parent)
    : QWidget(parent), runs_(runs) {
    setMinimumSize(200, 160);
    setAccessibleName(tr("R/T histogram, 10 ms bins"));
}

void RtHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect().adjusted(kMargin, kMargin, -8, -8);
    frame(painter, area, tr("R/T in 10 ms bins"));
    const Span span = spanOf(runs_);
    std::map<long, int> bins;
    int tallest = 1;
    for (const RaceRecord& run : runs_) {
        if (const auto rt = reactionSeconds(run)) {
            tallest = std::max(tallest, ++bins[std::lround(std::floor(*rt / kBin))]);
        }
    }
    const double width = area.width() * kBin / (span.high - span.low);
    for (const auto& [bin, count] : bins) {
        const double left = area.left() + (bin * kBin - span.low) / kBin * width;
        const double height = static_cast<double>(count) / tallest * area.height();
        painter.fillRect(QRectF(left, area.bottom() - height, width - 1, height),
                         bin < 0 ? Qt::red : Qt::darkGreen);
    }
}

}  // namespace korvane::ui
