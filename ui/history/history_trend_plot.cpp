#include "ui/history/history_trend_plot.h"

#include <QDate>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

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

// The smallest usual step whose labels, LABEL pixels tall, fit HEIGHT without touching.
double shareStep(const TrendSpan& span, int height, int label) {
    for (double step : {0.05, 0.1, 0.25, 0.5}) {
        if ((span.topShare / step + 1) * label <= height) return step;
    }
    return 1;
}

// Where a day, an R/T and a share fall in their panels.
struct Scale {
    const TrendSpan& span;
    QRectF rtArea;
    QRectF shareArea;
    double x(double day) const {
        return rtArea.left() +
               (day - span.firstDay) / (span.lastDay - span.firstDay) * rtArea.width();
    }
    double rtY(double ms) const {
        return rtArea.bottom() - (ms - span.low) / (span.high - span.low) * rtArea.height();
    }
    double shareY(double share) const {
        return shareArea.bottom() - share / span.topShare * shareArea.height();
    }
};

// Points are marked where there are few enough to tell apart, and always one standing alone.
constexpr std::size_t kMostMarked = 120;
constexpr double kMarkRadius = 2.5;
// The early-start panel's share of the height both panels have.
constexpr double kSharePanel = 0.3;

}  // namespace

double localDay(const logbook::TrendPoint& point) {
    return (static_cast<double>(point.started) + point.utcOffset * 60'000.0) / kDayMs;
}

std::vector<double> spreadDays(const std::vector<logbook::TrendPoint>& points) {
    std::vector<double> days(points.size());
    for (std::size_t first = 0; first < points.size();) {
        const double day = std::floor(localDay(points[first]));
        std::size_t end = first;
        while (end < points.size() && std::floor(localDay(points[end])) == day) ++end;
        const auto count = static_cast<double>(end - first);
        for (std::size_t i = first; i < end; ++i) {
            days[i] = day + (static_cast<double>(i - first) + 0.5) / count;
        }
        first = end;
    }
    return days;
}

std::vector<logbook::TrendPoint> pointsOf(const std::vector<logbook::TrendPoint>& points,
                                          std::optional<Tree> tree) {
    std::vector<logbook::TrendPoint> chosen;
    std::copy_if(points.begin(), points.end(), std::back_inserter(chosen),
                 [tree](const logbook::TrendPoint& point) { return point.tree == tree; });
    return chosen;
}

TrendSpan trendSpan(const std::vector<logbook::TrendPoint>& points,
                    const std::vector<double>& days) {
    TrendSpan span;
    if (points.empty()) return span;
    // Whole local days, and a little room either side on a long span.
    const double room = (days.back() - days.front()) * 0.02;
    span.firstDay = std::floor(days.front()) - room;
    span.lastDay = std::floor(days.back()) + 1 + room;
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
    setMinimumSize(300, 240);
    setAccessibleName(tr("Trend: each session's median R/T and early-start share"));
}

void HistoryTrendPlot::setPoints(std::vector<logbook::TrendPoint> points) {
    all_ = std::move(points);
    choose();
}

void HistoryTrendPlot::setTree(std::optional<Tree> tree) {
    tree_ = tree;
    choose();
}

void HistoryTrendPlot::choose() {
    points_ = pointsOf(all_, tree_);
    days_ = spreadDays(points_);
    span_ = trendSpan(points_, days_);
    stale_ = true;
    update();
}

void HistoryTrendPlot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stale_ = true;
}

// Drawn once for each change, however often the window is painted meanwhile.
void HistoryTrendPlot::paintEvent(QPaintEvent*) {
    if (stale_ || picture_.devicePixelRatio() != devicePixelRatioF()) render();
    QPainter(this).drawPixmap(0, 0, picture_);
}

void HistoryTrendPlot::render() {
    picture_ = QPixmap(size() * devicePixelRatioF());
    picture_.setDevicePixelRatio(devicePixelRatioF());
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    painter.setFont(font());
    drawPlot(painter);
    stale_ = false;
}

void HistoryTrendPlot::drawPlot(QPainter& painter) const {
    const QFontMetrics metrics = fontMetrics();
    const int side = metrics.horizontalAdvance(QStringLiteral("-.000")) + metrics.height() +
                     kTickLength + 2 * kGap;
    const QRect area = rect().adjusted(side, 2 * metrics.height(), -2 * kGap - kTickLength,
                                       -2 * metrics.height() - 2 * kGap);
    if (!area.isValid()) return;
    const int shareHeight = static_cast<int>(area.height() * kSharePanel);
    const QRect rtArea = area.adjusted(0, 0, 0, -shareHeight - metrics.height());
    const QRect shareArea = area.adjusted(0, area.height() - shareHeight, 0, 0);
    if (!rtArea.isValid() || !shareArea.isValid()) return;
    drawRtPanel(painter, rtArea);
    drawSharePanel(painter, shareArea);
    drawDateAxis(painter, shareArea);
    painter.setPen(Qt::black);
    painter.drawText(
        QRect(area.left(), height() - metrics.height() - kGap, area.width(), metrics.height()),
        Qt::AlignCenter, tr("Session date"));
    drawLines(painter, rtArea, shareArea);
    drawLegend(painter, rtArea);
}

void HistoryTrendPlot::drawRtPanel(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area, area};
    const int label = fontMetrics().height();
    painter.setPen(Qt::gray);
    painter.drawRect(area);
    for (double ms = span_.low; ms <= span_.high + 0.5; ms += rtStep(span_)) {
        const int y = static_cast<int>(scale.rtY(ms));
        painter.setPen(QColor(230, 230, 230));
        painter.drawLine(area.left() + 1, y, area.right() - 1, y);
        painter.setPen(Qt::black);
        painter.drawLine(area.left() - kTickLength, y, area.left(), y);
        painter.drawText(
            QRect(label, y - label / 2, area.left() - kTickLength - kGap - label, label),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(boardMillis(ms)));
    }
    painter.save();
    painter.rotate(-90);
    painter.drawText(QRect(-area.bottom(), 0, area.height(), label), Qt::AlignCenter,
                     tr("Median R/T (s)"));
    painter.restore();
}

void HistoryTrendPlot::drawSharePanel(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area, area};
    const int label = fontMetrics().height();
    painter.setPen(Qt::gray);
    painter.drawRect(area);
    painter.setPen(Qt::black);
    const double step = shareStep(span_, area.height(), label);
    for (double share = 0; share <= span_.topShare + 1e-9; share += step) {
        const int y = static_cast<int>(scale.shareY(share));
        painter.drawLine(area.left() - kTickLength, y, area.left(), y);
        painter.drawText(
            QRect(label, y - label / 2, area.left() - kTickLength - kGap - label, label),
            Qt::AlignRight | Qt::AlignVCenter, percent(share));
    }
    painter.save();
    painter.rotate(-90);
    painter.drawText(QRect(-area.bottom(), 0, area.height(), label), Qt::AlignCenter, tr("Early"));
    painter.restore();
}

// Local midnights a usual number of days apart, as many as fit without touching.
void HistoryTrendPlot::drawDateAxis(QPainter& painter, const QRect& area) const {
    const Scale scale{span_, area, area};
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

void HistoryTrendPlot::drawLines(QPainter& painter, const QRect& rtArea,
                                 const QRect& shareArea) const {
    const Scale scale{span_, rtArea, shareArea};
    QPolygonF early;
    // A session without a clean reaction breaks the median's line.
    std::vector<QPolygonF> medians(1);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const double x = scale.x(days_[i]);
        early << QPointF(x, scale.shareY(points_[i].earlyShare));
        if (!points_[i].median) {
            if (!medians.back().isEmpty()) medians.emplace_back();
            continue;
        }
        medians.back() << QPointF(x, scale.rtY(*points_[i].median));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // Plain polylines: smoothing a few thousand sessions' worth would cost more than it shows.
    painter.setPen(QPen(kEarlyColour, 1));
    painter.drawPolyline(early);
    painter.setPen(QPen(kMedianColour, 2));
    for (const QPolygonF& line : medians) painter.drawPolyline(line);
    const auto mark = [&painter](const QPolygonF& line, const QColor& colour, bool all) {
        if (!all && line.size() != 1) return;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const QPointF& point : line) painter.drawEllipse(point, kMarkRadius, kMarkRadius);
    };
    const bool few = points_.size() <= kMostMarked;
    mark(early, kEarlyColour, few);
    for (const QPolygonF& line : medians) mark(line, kMedianColour, few);
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
