#include "button_face.h"

#include <QPolygonF>
#include <QStyle>
#include <array>

namespace korvane::ui {

namespace {

constexpr int kBorder = 2;

enum Edge { Top, Right, Bottom, Left };
using EdgeColours = std::array<QColor, 4>;

// The edges' colours: lit from the top left when raised, from the bottom right when sunk.
EdgeColours edgeColours(const QColor& face, QStyle::State state) {
    const QColor light = QColor::fromRgb(face.lighter(160).rgb());
    const QColor dark = QColor::fromRgb(face.darker(180).rgb());
    if (state & QStyle::State_Sunken) return {dark, light, light, dark};
    if (state & QStyle::State_HasFocus) return {Qt::black, Qt::black, Qt::black, Qt::black};
    return {light, dark, dark, light};
}

// Where two edges of different colours meet, each ends on the corner's diagonal; an edge the
// same colour as its neighbour runs square over the corner.
qreal mitre(const EdgeColours& colours, Edge edge, Edge neighbour) {
    return colours[edge] == colours[neighbour] ? 0 : kBorder;
}

QPolygonF edgeShape(const QRectF& r, Edge edge, qreal start, qreal end) {
    const qreal b = kBorder;
    switch (edge) {
        case Top:
            return {{{r.left(), r.top()},
                     {r.left() + start, r.top() + b},
                     {r.right() - end, r.top() + b},
                     {r.right(), r.top()}}};
        case Bottom:
            return {{{r.left() + start, r.bottom() - b},
                     {r.left(), r.bottom()},
                     {r.right(), r.bottom()},
                     {r.right() - end, r.bottom() - b}}};
        case Left:
            return {{{r.left(), r.top()},
                     {r.left(), r.bottom()},
                     {r.left() + b, r.bottom() - end},
                     {r.left() + b, r.top() + start}}};
        case Right:
            return {{{r.right() - b, r.top() + start},
                     {r.right() - b, r.bottom() - end},
                     {r.right(), r.bottom()},
                     {r.right(), r.top()}}};
    }
    return {};
}

void paintEdge(QPainter& painter, const QRectF& r, const EdgeColours& colours, Edge edge) {
    const bool across = edge == Top || edge == Bottom;
    const qreal start = mitre(colours, edge, across ? Left : Top);
    const qreal end = mitre(colours, edge, across ? Right : Bottom);
    painter.setBrush(colours[edge]);
    if (start == 0 && end == 0) {
        painter.drawRect(edgeShape(r, edge, 0, 0).boundingRect());
    } else {
        painter.drawConvexPolygon(edgeShape(r, edge, start, end));
    }
}

void paintBevel(QPainter& painter, const QRect& rect, const QColor& face, QStyle::State state) {
    painter.fillRect(rect, face);
    const EdgeColours colours = edgeColours(face, state);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Later edges cover earlier ones where they overlap.
    for (Edge edge : {Bottom, Right, Left, Top}) paintEdge(painter, QRectF(rect), colours, edge);
    painter.restore();
}

}  // namespace

void paintButtonFace(QPainter& painter, const QStyleOptionButton& option, const QColor& face) {
    paintBevel(painter, option.rect, face, option.state);
    painter.setPen(Qt::black);
    const QRect room = option.rect.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    painter.drawText(room, Qt::AlignCenter | Qt::TextShowMnemonic, option.text);
}

}  // namespace korvane::ui
