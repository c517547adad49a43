#include "ui/time_slip/slip_plots.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "session/slip_text.h"

namespace korvane::ui {

namespace {

constexpr std::size_t kCrowded = 400;
constexpr double kBandMs = 10;
constexpr long long kLeastTickMs = 10;
const QColor kBand(205, 222, 255);
const QColor kStrip(255, 228, 228);
const QColor kGrid(232, 232, 232);

QString board(long long ms) {
    return QString::fromStdString(boardStyle(plainDecimal(ms)));
}

// Where the scale may start: below the title and the legend, with room for a tick label's top.
int headingHeight(int line) {
    return 2 * line + 8 + line / 2;
}

// The title, and a legend of the median line and its band.
void heading(QPainter& painter, const QString& title, int width) {
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height();
    painter.fillRect(painter.window(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 2, width, line), Qt::AlignCenter, title);
    const QString median = QObject::tr("median");
    const QString band = QStringLiteral("\u00b1.010");
    const int swatch = 14;
    const int total =
        swatch + 4 + fm.horizontalAdvance(median) + 14 + swatch + 4 + fm.horizontalAdvance(band);
    int x = (width - total) / 2;
    const int top = line + 6;
    painter.setPen(QPen(Qt::blue, 2));
    painter.drawLine(x, top + line / 2, x + swatch, top + line / 2);
    x += swatch + 4;
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, top, fm.horizontalAdvance(median), line), Qt::AlignVCenter, median);
    x += fm.horizontalAdvance(median) + 14;
    painter.fillRect(QRect(x, top + 2, swatch, line - 4), kBand);
    x += swatch + 4;
    painter.drawText(QRect(x, top, fm.horizontalAdvance(band), line), Qt::AlignVCenter, band);
}

// An axis title written upwards at the widget's left edge, centred on TOP to BOTTOM.
void leftTitle(QPainter& painter, const QString& title, int top, int bottom) {
    const int line = painter.fontMetrics().height();
    painter.save();
    painter.translate(2, (top + bottom) / 2);
    painter.rotate(-90);
    painter.setPen(Qt::black);
    painter.drawText(QRect(-(bottom - top) / 2, 0, bottom - top, line), Qt::AlignCenter, title);
    painter.restore();
}

// An axis title along the widget's bottom edge, centred on LEFT to RIGHT.
void bottomTitle(QPainter& painter, const QString& title, int left, int right) {
    const int line = painter.fontMetrics().height();
    painter.setPen(Qt::black);
    painter.drawText(QRect(left, painter.window().height() - line - 1, right - left, line),
                     Qt::AlignCenter, title);
}

// A label right of which lies a tick and a grid line across AREA at height Y.
void leftTick(QPainter& painter, const QRect& area, double y, const QString& label) {
    const int line = painter.fontMetrics().height();
    const int at = static_cast<int>(std::lround(y));
    painter.setPen(kGrid);
    painter.drawLine(area.left() + 1, at, area.right() - 1, at);
    painter.setPen(Qt::black);
    painter.drawLine(area.left() - 3, at, area.left(), at);
    painter.drawText(QRect(0, at - line / 2, area.left() - 5, line),
                     Qt::AlignRight | Qt::AlignVCenter, label);
}

// A tick below the edge at BOTTOM and a label centred under it at X.
void bottomTick(QPainter& painter, int bottom, double x, const QString& label) {
    const QFontMetrics fm = painter.fontMetrics();
    const int at = static_cast<int>(std::lround(x));
    const int width = fm.horizontalAdvance(label) + 2;
    painter.setPen(Qt::black);
    painter.drawLine(at, bottom, at, bottom + 3);
    painter.drawText(QRect(at - width / 2, bottom + 4, width, fm.height()), Qt::AlignCenter, label);
}

int widest(const QFontMetrics& fm, std::initializer_list<QString> labels) {
    int most = 0;
    for (const QString& label : labels) most = std::max(most, fm.horizontalAdvance(label));
    return most;
}

// Each run with an R/T as a point at AT(i): red where early, as in the table, and for the
// board's red light; square on the Standard tree, round on the Pro. Points shrink in a long
// session, where they crowd each other anyway; one a pixel, colour and shape is enough, however
// many runs fall on it.
void drawRuns(QPainter& painter, const std::vector<PlotPoint>& runs,
              const std::function<QPoint(std::size_t)>& at) {
    const QRect window = painter.window();
    const int size = runs.size() > kCrowded ? 2 : 5;
    std::vector<QRect> kinds[4];  // clean or marked, square or round
    std::vector<bool> drawn(static_cast<std::size_t>(window.width() * window.height() * 4));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!runs[i].ms) continue;
        const QPoint p = at(i);
        const bool marked = runs[i].red || earlyStart(runs[i]);
        if (!window.contains(p)) continue;
        const int kind = (marked ? 1 : 0) + (runs[i].pro ? 2 : 0);
        auto seen = drawn[static_cast<std::size_t>((p.y() * window.width() + p.x()) * 4 + kind)];
        if (seen) continue;
        seen = true;
        const int grow = (marked ? 1 : 0) + (runs[i].pro ? 1 : 0);
        kinds[kind].emplace_back(p.x() - size / 2 - grow, p.y() - size / 2 - grow, size + 2 * grow,
                                 size + 2 * grow);
    }
    painter.setPen(Qt::NoPen);
    for (int kind = 0; kind < 4; ++kind) {
        painter.setBrush(kind % 2 == 1 ? Qt::red : Qt::darkGreen);
        if (kind < 2) {
            painter.drawRects(kinds[kind].data(), static_cast<int>(kinds[kind].size()));
            continue;
        }
        for (const QRect& point : kinds[kind]) painter.drawEllipse(point);
    }
}

// A bar a bin from X(its start) to X(its end), up to Y(its count) from BOTTOM, a pixel apart
// where there is room for the gap.
void drawBars(QPainter& painter, const PlotBins& bins, const std::function<double(double)>& x,
              const std::function<double(double)>& y, int bottom) {
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        if (bins.counts[i] == 0) continue;
        const long long from = bins.first + static_cast<long long>(i) * bins.width;
        const int left = static_cast<int>(std::floor(x(static_cast<double>(from))));
        const int right = static_cast<int>(std::floor(x(static_cast<double>(from + bins.width))));
        const int wide = right - left >= 3 ? right - left - 1 : std::max(right - left, 1);
        const int top = static_cast<int>(std::lround(y(bins.counts[i])));
        painter.fillRect(QRect(left, top, wide, bottom - top), Qt::darkGreen);
    }
}

}  // namespace

RtPlot::RtPlot(const std::vector<PlotPoint>& runs, QWidget* parent) : QWidget(parent), runs_(runs) {
    setMinimumSize(170, 240);
    setAccessibleName(tr("R/T per run"));
}

void RtPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height();
    const Span span = cleanSpan(runs_);
    const QString early = tr("early");
    const int labels = widest(fm, {board(span.low), board(span.high), early});
    const std::size_t count = runs_.size();
    const Span runs{1, std::max<long long>(static_cast<long long>(count), 1)};
    const int runLabel = fm.horizontalAdvance(QString::number(runs.high)) + 2;
    // Below the scale: a gap, the early strip, the run numbers and the axis title.
    const int strip = line + 2;
    const int below = line / 2 + 2 + strip + 4 + line + line + 2;
    const QRect area(QPoint(line + 6 + labels + 5, headingHeight(line)),
                     QPoint(width() - runLabel / 2 - 6, height() - 1 - below));
    const QRect earlyStrip(area.left(), area.bottom() + line / 2 + 2, area.width(), strip);
    // Points stay clear of the frame.
    const auto y = [&](double ms) {
        return area.bottom() - 5 - spanShare(span, ms) * (area.height() - 10);
    };
    const auto x = [&](std::size_t i) {
        return area.left() + 5 + runShare(i, count) * (area.width() - 10);
    };

    heading(painter, tr("R/T per run"), width());
    if (median_) {
        const double high = std::max(y(*median_ + kBandMs), double(area.top()));
        const double low = std::min(y(*median_ - kBandMs), double(area.bottom()));
        painter.fillRect(QRectF(area.left(), high, area.width(), low - high), kBand);
    }
    const long long step =
        niceStep(span.high - span.low, area.height() - 10, line + 2, kLeastTickMs);
    for (const long long t : ticks(span, step)) leftTick(painter, area, y(t), board(t));
    painter.fillRect(earlyStrip, kStrip);
    leftTick(painter, earlyStrip, earlyStrip.center().y(), early);
    const long long every = niceStep(runs.high - runs.low, area.width(), runLabel + 8, 1);
    for (const long long r : ticks(runs, every)) {
        bottomTick(painter, earlyStrip.bottom(), x(static_cast<std::size_t>(r - 1)),
                   QString::number(r));
    }
    leftTitle(painter, tr("R/T (s)"), area.top(), earlyStrip.bottom());
    // Told apart by shape where a session mixes the trees.
    const bool pro = std::any_of(runs_.begin(), runs_.end(), [](auto& r) { return r.pro; });
    const bool standard = std::any_of(runs_.begin(), runs_.end(), [](auto& r) { return !r.pro; });
    bottomTitle(painter, pro && standard ? tr("Run  \u25A0 Standard  \u25CF Pro") : tr("Run"),
                area.left(), area.right());
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.drawRect(earlyStrip);
    if (median_) {
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawLine(QPointF(area.left(), y(*median_)), QPointF(area.right(), y(*median_)));
    }
    drawRuns(painter, runs_, [&](std::size_t i) {
        const PlotPoint& run = runs_[i];
        return QPoint(static_cast<int>(x(i)),
                      static_cast<int>(earlyStart(run) ? earlyStrip.center().y() : y(*run.ms)));
    });
}

RtHistogram::RtHistogram(const std::vector<PlotPoint>& runs, QWidget* parent)
    : QWidget(parent), runs_(runs) {
    setMinimumSize(170, 240);
    setAccessibleName(tr("R/T histogram"));
}

void RtHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height();
    const Span span = cleanSpan(runs_);
    const QString early = tr("early");
    // A digit spare for the bins' ends, a little beyond the span's.
    const int label = widest(fm, {board(span.low), board(span.high)}) + fm.horizontalAdvance('0');
    const int counts = fm.horizontalAdvance(QString::number(runs_.size()));
    const QRect area(QPoint(line + 6 + counts + 5, headingHeight(line)),
                     QPoint(width() - label / 2 - 4, height() - 1 - (4 + line + line + 2)));
    // As wide as its label, the bar itself half that.
    const QRect earlyLabel(area.left() + 4, area.top(), fm.horizontalAdvance(early), area.height());
    const QRect earlyBar =
        earlyLabel.adjusted(earlyLabel.width() / 4, 0, -earlyLabel.width() / 4, 0);
    const QRect scale(QPoint(earlyLabel.right() + label / 2 + 8, area.top()), area.bottomRight());
    const PlotBins bins = plotBins(runs_, scale.width());
    const Span reach{bins.first,
                     bins.first + static_cast<long long>(bins.counts.size()) * bins.width};
    const int tallest =
        std::max({1, bins.early, *std::max_element(bins.counts.begin(), bins.counts.end())});
    const Span runs{0, tallest};
    const auto x = [&](double ms) { return scale.left() + spanShare(reach, ms) * scale.width(); };
    const auto y = [&](double n) { return area.bottom() - spanShare(runs, n) * area.height(); };

    heading(painter, tr("R/T in %1 ms bins").arg(bins.width), width());
    if (median_) {
        const double left = std::max(x(*median_ - kBandMs), double(scale.left()));
        const double right = std::min(x(*median_ + kBandMs), double(scale.right()));
        painter.fillRect(QRectF(left, area.top(), right - left, area.height()), kBand);
    }
    for (const long long n : ticks(runs, niceStep(tallest, area.height(), line + 2, 1))) {
        leftTick(painter, area, y(static_cast<double>(n)), QString::number(n));
    }
    const long long step = niceStep(reach.high - reach.low, scale.width(), label + 8, kLeastTickMs);
    for (const long long t : ticks(reach, step)) bottomTick(painter, area.bottom(), x(t), board(t));
    bottomTick(painter, area.bottom(), earlyBar.center().x(), early);
    leftTitle(painter, tr("Runs"), area.top(), area.bottom());
    bottomTitle(painter, tr("R/T (s)"), scale.left(), scale.right());
    drawBars(painter, bins, x, y, area.bottom());
    const int top = static_cast<int>(std::lround(y(bins.early)));
    painter.fillRect(QRect(earlyBar.left(), top, earlyBar.width(), area.bottom() - top), Qt::red);
    // The early bar in a box of its own, apart from the R/T axis: it has no place on it.
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(area.topLeft(), QPoint(earlyLabel.right() + 4, area.bottom())));
    painter.drawRect(QRect(QPoint(scale.left(), area.top()), area.bottomRight()));
    if (median_) {
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawLine(QPointF(x(*median_), area.top()), QPointF(x(*median_), area.bottom()));
    }
}

}  // namespace korvane::ui
