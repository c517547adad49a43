#include "ui/history/history_trend_plot.h"

#include <QDate>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "session/slip_text.h"

namespace korvane::ui {

namespace {

constexpr double kDayMs = 86'400'000;
constexpr double kRtStep = 50;
constexpr int kTickLength = 4;
constexpr int kGap = 4;
const QColor kMedianColour = Qt::blue;
const QColor kEarlyColour = Qt::red;

QString dateLabel(double day, bool long_span) {
    const QDate date = QDate(1970, 1, 1).addDays(static_cast<qint64>(day));
    return date.toString(long_span ? QStringLiteral("MMM yyyy") : QStringLiteral("d MMM"));
}

QString percent(double share) {
    return QString::number(std::lround(share * 100)) + QLatin1Char('%');
}

double rtStep(const TrendSpan& span) {
    return span.high - span.low > 300 ? 2 * kRtStep : kRtStep;
}

double shareStep(const TrendSpan& span) {
    if (span.topShare <= 0.2) return 0.05;
    return span.topShare <= 0.5 ? 0.1 : 0.25;
}

// Where a day, an R/T and a share fall in the plot's area.
struct Scale {
    const TrendSpan& span;
    QRectF area;
    double x(double day) const {
        return area.left() + (day - span.firstDay) / (span.lastDay - span.firstDay) * area.width();
    }
    double rtY(double ms) const {
        return area.bottom() - (ms - span.low) / (span.high - span.low) * area.height();
    }
    double shareY(double share) const {
        return area.bottom() - share / span.topShare * area.height();
    }
};

}  // namespace

double localDay(const logbook::TrendPoint& point) {
    return (static_cast<double>(point.started) + point.utcOffset * 60'000.0) / kDayMs;
}

TrendSpan trendSpan(const std::vector<logbook::TrendPoint>& points) {
    TrendSpan span;
    if (points.empty()) return span;
    span.firstDay = localDay(points.front());
    span.lastDay = localDay(points.back());
    // A little room either side, so the first and last points sit clear of the axes.
    const double room = std::max(0.5, (span.lastDay - span.firstDay) * 0.02);
    span.firstDay -= room;
    span.lastDay += room;
    double low = INFINITY;
    double high = -INFINITY;
    for (const logbook::TrendPoint& point : points) {
        if (point.median) low = std::min(low, *point.median), high = std::max(high, *point.median);
        // A quarter of a tenth at least above the highest share, so its line stays off the top.
        span.topShare = std::max(span.topShare, std::ceil(point.earlyShare * 10 + 0.25) / 10);
    }
    if (low <= high) {
        span.low = std::floor(low / kRtStep) * kRtStep;
        span.high = std::max(std::ceil(high / kRtStep) * kRtStep, span.low + 2 * kRtStep);
    }
    return span;
}

int dayStep(double days, int most) {
    constexpr std::array<int, 11> kSteps{1, 2, 7, 14, 28, 56, 91, 182, 365, 730, 1461};
    for (int step : kSteps) {
        if (days / step <= most) return step;
    }
    return kSteps.back();
}

HistoryTrendPlot::HistoryTrendPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 200);
    setAccessibleName(tr("Trend: each session's median R/T and early-start share"));
}

void HistoryTrendPlot::setPoints(std::vector<logbook::TrendPoint> points) {
    points_ = std::move(points);
    span_ = trendSpan(points_);
    update();
}

void HistoryTrendPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QFontMetrics metrics = fontMetrics();
    const int side = metrics.horizontalAdvance(QStringLiteral("-.000")) + metrics.height() +
                     kTickLength + 2 * kGap;
    const QRect area =
        rect().adjusted(side, 2 * metrics.height(), -side, -2 * metrics.height() - 2 * kGap);
    if (!area.isValid()) return;
    drawAxes(painter, area);
    drawLines(painter, area);
    drawLegend(painter, area);
}

void HistoryTrendPlot::drawAxes(QPainter& painter, const QRect& area) const {
    painter.setPen(Qt::gray);
    painter.drawRect(area);
    drawRtAxis(painter, area);
    drawShareAxis(painter, area);
    drawDateAxis(painter, area);
    const int label = fontMetrics().height();
    painter.drawText(QRect(area.left(), height() - label - kGap, area.width(), label),
                     Qt::AlignCenter, tr("Session date"));
    painter.save();
    painter.rotate(-90);
    painter.drawText(QRect(-area.bottom(), 0, area.height(), label), Qt::AlignCenter,
                     tr("Median R/T (s)"));
    painter.drawText(QRect(-area.bottom(), width() - label, area.height(), label), Qt::AlignCenter,
                     tr("Early starts"));
    painter.restore();
}

void HistoryTrendPlot::drawRtAxis(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area};
    const int label = fontMetrics().height();
    for (double ms = span_.low; ms <= span_.high + 0.5; ms += rtStep(span_)) {
        const int y = static_cast<int>(scale.rtY(ms));
        painter.setPen(QColor(230, 230, 230));
        painter.drawLine(area.left() + 1, y, area.right() - 1, y);
        painter.setPen(Qt::black);
        painter.drawLine(area.left() - kTickLength, y, area.left(), y);
        painter.drawText(QRect(0, y - label / 2, area.left() - kTickLength - kGap, label),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(boardMillis(ms)));
    }
}

void HistoryTrendPlot::drawShareAxis(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area};
    const int label = fontMetrics().height();
    for (double share = 0; share <= span_.topShare + 1e-9; share += shareStep(span_)) {
        const int y = static_cast<int>(scale.shareY(share));
        painter.drawLine(area.right(), y, area.right() + kTickLength, y);
        painter.drawText(QRect(area.right() + kTickLength + kGap, y - label / 2, width(), label),
                         Qt::AlignLeft | Qt::AlignVCenter, percent(share));
    }
}

// Local midnights a usual number of days apart, as many as fit without touching.
void HistoryTrendPlot::drawDateAxis(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area};
    const int label = fontMetrics().height();
    const double days = span_.lastDay - span_.firstDay;
    const bool longSpan = days > 300;
    const int widest =
        fontMetrics().horizontalAdvance(dateLabel(0, longSpan) + QStringLiteral("0000"));
    const int step = dayStep(days, std::max(1, area.width() / widest));
    for (double day = std::ceil(span_.firstDay / step) * step; day <= span_.lastDay; day += step) {
        const int x = static_cast<int>(scale.x(day));
        painter.drawLine(x, area.bottom(), x, area.bottom() + kTickLength);
        painter.drawText(QRect(x - widest / 2, area.bottom() + kTickLength, widest, label),
                         Qt::AlignCenter, dateLabel(day, longSpan));
    }
}

void HistoryTrendPlot::drawLines(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area};
    QPolygonF early;
    // A session without a clean reaction breaks the median's line.
    std::vector<QPolygonF> medians(1);
    for (const logbook::TrendPoint& point : points_) {
        const double x = scale.x(localDay(point));
        early << QPointF(x, scale.shareY(point.earlyShare));
        if (!point.median) {
            if (!medians.back().isEmpty()) medians.emplace_back();
            continue;
        }
        medians.back() << QPointF(x, scale.rtY(*point.median));
    }
    // Plain polylines: smoothing a few thousand sessions' worth would miss a frame.
    painter.setPen(QPen(kEarlyColour, 1));
    painter.drawPolyline(early);
    painter.setPen(QPen(kMedianColour, 2));
    for (const QPolygonF& line : medians) painter.drawPolyline(line);
}

void HistoryTrendPlot::drawLegend(QPainter& painter, const QRect& area) const {
    const QFontMetrics metrics = fontMetrics();
    const int y = area.top() - metrics.height() / 2 - kGap;
    int x = area.left();
    const std::array<std::pair<QColor, QString>, 2> entries{
        {{kMedianColour, tr("Median R/T")}, {kEarlyColour, tr("Early starts (share of runs)")}}};
    for (const auto& [colour, text] : entries) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(x, y, x + 16, y);
        painter.setPen(Qt::black);
        const int textWidth = metrics.horizontalAdvance(text);
        painter.drawText(
            QRect(x + 16 + kGap, y - metrics.height() / 2, textWidth, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 16 + 2 * kGap + textWidth + 3 * kGap;
    }
}

}  // namespace korvane::ui
