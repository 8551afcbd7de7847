#include "CursorRibbon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace CursorRibbon {

QColor lighter(const QColor& colour, double amount)
{
    return QColor::fromRgbF(colour.redF() + (1 - colour.redF()) * amount,
                            colour.greenF() + (1 - colour.greenF()) * amount,
                            colour.blueF() + (1 - colour.blueF()) * amount, colour.alphaF());
}

QColor darker(const QColor& colour, double amount)
{
    return QColor::fromRgbF(colour.redF() * (1 - amount), colour.greenF() * (1 - amount),
                            colour.blueF() * (1 - amount), colour.alphaF());
}

namespace {

// One loop to the right of the knot (mirror with side = -1).
QPainterPath loopPath(QPointF k, double s, double side)
{
    QPainterPath loop;
    loop.moveTo(k + QPointF(0, -0.14 * s));
    loop.cubicTo(k + QPointF(side * 0.30 * s, -0.80 * s), k + QPointF(side * 1.02 * s, -0.80 * s),
                 k + QPointF(side * 1.0 * s, -0.22 * s));
    loop.cubicTo(k + QPointF(side * 0.98 * s, 0.22 * s), k + QPointF(side * 0.45 * s, 0.30 * s),
                 k + QPointF(0, 0.14 * s));
    loop.closeSubpath();
    return loop;
}

QPainterPath loopOpening(QPointF k, double s, double side)
{
    QPainterPath hole;
    hole.moveTo(k + QPointF(side * 0.22 * s, -0.10 * s));
    hole.cubicTo(k + QPointF(side * 0.42 * s, -0.50 * s), k + QPointF(side * 0.84 * s, -0.52 * s),
                 k + QPointF(side * 0.84 * s, -0.22 * s));
    hole.cubicTo(k + QPointF(side * 0.84 * s, -0.02 * s), k + QPointF(side * 0.55 * s, 0.02 * s),
                 k + QPointF(side * 0.22 * s, -0.10 * s));
    hole.closeSubpath();
    return hole;
}

QPainterPath tailPath(QPointF k, double s, double drop, double side)
{
    QPainterPath tail;
    const double endX = side * 0.55 * s, width = 0.30 * s;
    tail.moveTo(k + QPointF(-side * 0.06 * s, 0));
    tail.cubicTo(k + QPointF(side * 0.1 * s, drop * 0.4), k + QPointF(endX * 0.8, drop * 0.7),
                 k + QPointF(endX - side * width * 0.5, drop));
    // The cut end of the ribbon, notched like a swallow's tail.
    tail.lineTo(k + QPointF(endX, drop - 0.16 * s));
    tail.lineTo(k + QPointF(endX + side * width * 0.5, drop - 0.02 * s));
    tail.cubicTo(k + QPointF(endX + side * width * 0.2, drop * 0.6),
                 k + QPointF(side * 0.3 * s, drop * 0.3), k + QPointF(side * 0.16 * s, 0));
    tail.closeSubpath();
    return tail;
}

} // namespace

void drawBow(QPainter& painter, QPointF knot, double halfSpan, double tailDrop,
             const QColor& colour)
{
    const double s = halfSpan;
    painter.save();
    QPen edge(darker(colour, 0.45), std::max(0.35, s * 0.04));
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);

    for (const double side : {-1.0, 1.0}) {
        QLinearGradient shade(knot + QPointF(0, -0.2 * s),
                              knot + QPointF(side * 0.6 * s, tailDrop));
        shade.setColorAt(0, colour);
        shade.setColorAt(1, darker(colour, 0.35));
        painter.setBrush(shade);
        painter.drawPath(tailPath(knot, s, tailDrop, side));
    }
    for (const double side : {-1.0, 1.0}) {
        QLinearGradient shade(knot + QPointF(0, -0.8 * s), knot + QPointF(side * 0.4 * s, 0.3 * s));
        shade.setColorAt(0, lighter(colour, 0.35));
        shade.setColorAt(0.5, colour);
        shade.setColorAt(1, darker(colour, 0.3));
        painter.setBrush(shade);
        painter.drawPath(loopPath(knot, s, side));
        painter.setPen(Qt::NoPen);
        painter.setBrush(darker(colour, 0.45));
        painter.drawPath(loopOpening(knot, s, side));
        painter.setPen(edge);
    }
    QLinearGradient knotShade(knot + QPointF(0, -0.18 * s), knot + QPointF(0, 0.18 * s));
    knotShade.setColorAt(0, lighter(colour, 0.3));
    knotShade.setColorAt(1, darker(colour, 0.25));
    painter.setBrush(knotShade);
    painter.drawRoundedRect(QRectF(knot.x() - 0.17 * s, knot.y() - 0.19 * s, 0.34 * s, 0.38 * s),
                            0.1 * s, 0.1 * s);
    painter.restore();
}

} // namespace CursorRibbon
