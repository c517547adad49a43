#include "ui/time_slip/plot_frame.h"

#include <QObject>
#include <algorithm>
#include <cmath>

#include "session/slip_text.h"

namespace korvane::ui {

namespace {

constexpr double kBandMs = 10;
const QColor kBand(205, 222, 255);
const QColor kGrid(232, 232, 232);

}  // namespace

QString boardMs(long long ms) {
    return QString::fromStdString(boardStyle(plainDecimal(ms)));
}

PlotFrame::PlotFrame(QPainter& painter)
    : painter_(painter), line_(painter.fontMetrics().height()) {}

int PlotFrame::widest(std::initializer_list<QString> labels) const {
    int most = 0;
    for (const QString& label : labels) {
        most = std::max(most, painter_.fontMetrics().horizontalAdvance(label));
    }
    return most;
}

void PlotFrame::heading(const QString& title) {
    const QFontMetrics fm = painter_.fontMetrics();
    const int width = painter_.window().width();
    painter_.fillRect(painter_.window(), Qt::white);
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(0, 2, width, line_), Qt::AlignCenter, title);
    const QString median = QObject::tr("median");
    const QString band = QStringLiteral("\u00b1.010");
    const int swatch = 14;
    const int total =
        swatch + 4 + fm.horizontalAdvance(median) + 14 + swatch + 4 + fm.horizontalAdvance(band);
    int x = (width - total) / 2;
    const int top = line_ + 6;
    painter_.setPen(QPen(Qt::blue, 2));
    painter_.drawLine(x, top + line_ / 2, x + swatch, top + line_ / 2);
    x += swatch + 4;
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(x, top, fm.horizontalAdvance(median), line_), Qt::AlignVCenter, median);
    x += fm.horizontalAdvance(median) + 14;
    painter_.fillRect(QRect(x, top + 2, swatch, line_ - 4), kBand);
    x += swatch + 4;
    painter_.drawText(QRect(x, top, fm.horizontalAdvance(band), line_), Qt::AlignVCenter, band);
}

void PlotFrame::leftAxis(const QRect& area, const PlotScale& scale, long long step,
                         const std::function<QString(long long)>& label) {
    for (const long long t : ticks(scale.span, step)) leftTick(area, scale.at(t), label(t));
}

// A label right of which lies a tick and a grid line across AREA at height Y.
void PlotFrame::leftTick(const QRect& area, double y, const QString& label) {
    const int at = static_cast<int>(std::lround(y));
    painter_.setPen(kGrid);
    painter_.drawLine(area.left() + 1, at, area.right() - 1, at);
    painter_.setPen(Qt::black);
    painter_.drawLine(area.left() - 3, at, area.left(), at);
    painter_.drawText(QRect(0, at - line_ / 2, area.left() - 5, line_),
                      Qt::AlignRight | Qt::AlignVCenter, label);
}

void PlotFrame::bottomAxis(int bottom, const PlotScale& scale, long long step,
                           const std::function<QString(long long)>& label) {
    for (const long long t : ticks(scale.span, step)) bottomTick(bottom, scale.at(t), label(t));
}

// A tick below the edge at BOTTOM and a label centred under it at X.
void PlotFrame::bottomTick(int bottom, double x, const QString& label) {
    const int at = static_cast<int>(std::lround(x));
    const int width = painter_.fontMetrics().horizontalAdvance(label) + 2;
    painter_.setPen(Qt::black);
    painter_.drawLine(at, bottom, at, bottom + 3);
    painter_.drawText(QRect(at - width / 2, bottom + 4, width, line_), Qt::AlignCenter, label);
}

void PlotFrame::leftTitle(const QString& title, int top, int bottom) {
    painter_.save();
    painter_.translate(2, (top + bottom) / 2);
    painter_.rotate(-90);
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(-(bottom - top) / 2, 0, bottom - top, line_), Qt::AlignCenter, title);
    painter_.restore();
}

void PlotFrame::bottomTitle(const QString& title, int left, int right) {
    painter_.setPen(Qt::black);
    painter_.drawText(QRect(left, painter_.window().height() - line_ - 1, right - left, line_),
                      Qt::AlignCenter, title);
}

// Cut to AREA, as the median may lie near its edge.
void PlotFrame::medianBand(const QRect& area, const PlotScale& scale, Qt::Orientation orientation,
                           std::optional<double> median) {
    if (!median) return;
    const double one = scale.at(*median - kBandMs);
    const double other = scale.at(*median + kBandMs);
    if (orientation == Qt::Vertical) {
        const double high = std::max(std::min(one, other), double(area.top()));
        const double low = std::min(std::max(one, other), double(area.bottom()));
        painter_.fillRect(QRectF(area.left(), high, area.width(), low - high), kBand);
        return;
    }
    const double left = std::max(std::min(one, other), double(area.left()));
    const double right = std::min(std::max(one, other), double(area.right()));
    painter_.fillRect(QRectF(left, area.top(), right - left, area.height()), kBand);
}

void PlotFrame::medianLine(const QRect& area, const PlotScale& scale, Qt::Orientation orientation,
                           std::optional<double> median) {
    if (!median) return;
    const double at = scale.at(*median);
    painter_.setPen(QPen(Qt::blue, 1));
    if (orientation == Qt::Vertical) {
        painter_.drawLine(QPointF(area.left(), at), QPointF(area.right(), at));
    } else {
        painter_.drawLine(QPointF(at, area.top()), QPointF(at, area.bottom()));
    }
}

void PlotFrame::boxes(std::initializer_list<QRect> boxes) {
    painter_.setPen(Qt::gray);
    painter_.setBrush(Qt::NoBrush);
    for (const QRect& box : boxes) painter_.drawRect(box);
}

}  // namespace korvane::ui
