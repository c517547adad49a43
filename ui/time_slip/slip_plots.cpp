#include "ui/time_slip/slip_plots.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/time_slip/plot_frame.h"

namespace korvane::ui {

namespace {

constexpr std::size_t kCrowded = 400;
constexpr long long kLeastTickMs = 10;
// Both side by side below the table on the narrowest slip, as on a screen at scale 2.
constexpr QSize kLeast(150, 240);
const QColor kStrip(255, 228, 228);

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
void drawBars(QPainter& painter, const PlotBins& bins, const PlotScale& x, const PlotScale& y,
              int bottom) {
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        if (bins.counts[i] == 0) continue;
        const long long from = bins.first + static_cast<long long>(i) * bins.width;
        const int left = static_cast<int>(std::floor(x.at(static_cast<double>(from))));
        const int right =
            static_cast<int>(std::floor(x.at(static_cast<double>(from + bins.width))));
        const int wide = right - left >= 3 ? right - left - 1 : std::max(right - left, 1);
        const int top = static_cast<int>(std::lround(y.at(bins.counts[i])));
        painter.fillRect(QRect(left, top, wide, bottom - top), Qt::darkGreen);
    }
}

}  // namespace

RtPlot::RtPlot(const std::vector<PlotPoint>& runs, QWidget* parent) : QWidget(parent), runs_(runs) {
    setMinimumSize(kLeast);
    setAccessibleName(tr("R/T per run"));
}

void RtPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PlotFrame frame(painter);
    const int line = frame.line();
    const Span span = cleanSpan(runs_);
    const Span early = earlySpan(runs_);
    const QString earlyWord = tr("early");
    const int labels =
        frame.widest({boardMs(span.low), boardMs(span.high), earlyWord, boardMs(early.low)});
    const std::size_t count = runs_.size();
    const Span runs{1, std::max<long long>(static_cast<long long>(count), 1)};
    const int runLabel = painter.fontMetrics().horizontalAdvance(QString::number(runs.high)) + 2;
    // Below the scale: a gap, the early strip (its word above its deepest bound), the run numbers
    // and the axis title.
    const int strip = 2 * line + 4;
    const int below = line / 2 + 2 + strip + 4 + line + line + 2;
    const QRect area(QPoint(frame.areaLeft(labels), frame.headingHeight()),
                     QPoint(width() - runLabel / 2 - 6, height() - 1 - below));
    const QRect earlyStrip(area.left(), area.bottom() + line / 2 + 2, area.width(), strip);
    // Points stay clear of the frame.
    const PlotScale y{span, area.bottom() - 5.0, -(area.height() - 10.0)};
    const PlotScale deep{early, earlyStrip.bottom() - 3.0, -(earlyStrip.height() - 6.0)};
    const auto x = [&](std::size_t i) {
        return area.left() + 5 + runShare(i, count) * (area.width() - 10);
    };

    frame.heading(tr("R/T per run"));
    frame.medianBand(area, y, Qt::Vertical, median_);
    const long long step =
        niceStep(span.high - span.low, area.height() - 10, line + 2, kLeastTickMs);
    frame.leftAxis(area, y, step, boardMs);
    painter.fillRect(earlyStrip, kStrip);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, earlyStrip.top(), earlyStrip.left() - 5, line + 2),
                     Qt::AlignRight | Qt::AlignVCenter, earlyWord);
    frame.leftTick(earlyStrip, deep.at(static_cast<double>(early.low)), boardMs(early.low));
    const long long every = niceStep(runs.high - runs.low, area.width(), runLabel + 8, 1);
    for (const long long r : ticks(runs, every)) {
        frame.bottomTick(earlyStrip.bottom(), x(static_cast<std::size_t>(r - 1)),
                         QString::number(r));
    }
    frame.leftTitle(tr("R/T (s)"), area.top(), earlyStrip.bottom());
    // Told apart by shape where a session mixes the trees.
    const bool pro = std::any_of(runs_.begin(), runs_.end(), [](auto& r) { return r.pro; });
    const bool standard = std::any_of(runs_.begin(), runs_.end(), [](auto& r) { return !r.pro; });
    frame.bottomTitle(pro && standard ? tr("Run  \u25A0 Standard  \u25CF Pro") : tr("Run"),
                      area.left(), area.right());
    frame.boxes({area, earlyStrip});
    frame.medianLine(area, y, Qt::Vertical, median_);
    drawRuns(painter, runs_, [&](std::size_t i) {
        const double ms = static_cast<double>(*runs_[i].ms);
        return QPoint(static_cast<int>(x(i)),
                      static_cast<int>(earlyStart(runs_[i]) ? deep.at(ms) : y.at(ms)));
    });
}

RtHistogram::RtHistogram(const std::vector<PlotPoint>& runs, QWidget* parent)
    : QWidget(parent), runs_(runs) {
    setMinimumSize(kLeast);
    setAccessibleName(tr("R/T histogram"));
}

void RtHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm = painter.fontMetrics();
    const Span span = cleanSpan(runs_);
    PlotFrame frame(painter);
    const int line = frame.line();
    const QString early = tr("early");
    // A digit spare for the bins' ends, a little beyond the span's.
    const int label =
        frame.widest({boardMs(span.low), boardMs(span.high)}) + fm.horizontalAdvance('0');
    const int counts = fm.horizontalAdvance(QString::number(runs_.size()));
    const QRect area(QPoint(frame.areaLeft(counts), frame.headingHeight()),
                     QPoint(width() - label / 2 - 4, height() - 1 - (4 + line + line + 2)));
    // As wide as its label, the bar itself half that.
    const QRect earlyLabel(area.left() + 4, area.top(), fm.horizontalAdvance(early), area.height());
    const QRect earlyBar =
        earlyLabel.adjusted(earlyLabel.width() / 4, 0, -earlyLabel.width() / 4, 0);
    const QRect scale(QPoint(earlyLabel.right() + label / 2 + 8, area.top()), area.bottomRight());
    const PlotBins bins = plotBins(runs_, scale.width());
    const int tallest =
        std::max({1, bins.early, *std::max_element(bins.counts.begin(), bins.counts.end())});
    const PlotScale x{
        {bins.first, bins.first + static_cast<long long>(bins.counts.size()) * bins.width},
        double(scale.left()),
        double(scale.width())};
    const PlotScale y{{0, tallest}, double(area.bottom()), -double(area.height())};

    frame.heading(tr("R/T in %1 ms bins").arg(bins.width));
    frame.medianBand(scale, x, Qt::Horizontal, median_);
    frame.leftAxis(area, y, niceStep(tallest, area.height(), line + 2, 1),
                   [](long long n) { return QString::number(n); });
    const long long step =
        niceStep(x.span.high - x.span.low, scale.width(), label + 8, kLeastTickMs);
    frame.bottomAxis(area.bottom(), x, step, boardMs);
    frame.bottomTick(area.bottom(), earlyBar.center().x(), early);
    frame.leftTitle(tr("Runs"), area.top(), area.bottom());
    frame.bottomTitle(tr("R/T (s)"), scale.left(), scale.right());
    drawBars(painter, bins, x, y, area.bottom());
    const int top = static_cast<int>(std::lround(y.at(bins.early)));
    painter.fillRect(QRect(earlyBar.left(), top, earlyBar.width(), area.bottom() - top), Qt::red);
    // The early bar in a box of its own, apart from the R/T axis: it has no place on it.
    frame.boxes({QRect(area.topLeft(), QPoint(earlyLabel.right() + 4, area.bottom())),
                 QRect(QPoint(scale.left(), area.top()), area.bottomRight())});
    frame.medianLine(scale, x, Qt::Horizontal, median_);
}

}  // namespace korvane::ui
