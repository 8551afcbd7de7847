#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// Ribbon pieces shared by the pointer pictures: the bow at the pointer, the
// bows on the wreaths and the presents.
namespace CursorRibbon {

// A bow of two loops and two tails round a knot; halfSpan is the reach of one
// loop from the knot, tailDrop how far below the knot the tails end.
void drawBow(QPainter& painter, QPointF knot, double halfSpan, double tailDrop,
             const QColor& colour);

// Linear shading from a lit top-left to a shaded bottom-right.
QColor lighter(const QColor& colour, double amount);
QColor darker(const QColor& colour, double amount);

} // namespace CursorRibbon
