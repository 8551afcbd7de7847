#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// Decorations and stands shared by the five trees. Each draws antialiased
// with soft edges, lit from the upper left like the crowns.
namespace TreeOrnaments {

// A soft round halo; strength 1 is a strong light.
void glow(QPainter& painter, QPointF centre, double radius, const QColor& colour, double strength);

// The same halo squeezed into an ellipse, e.g. a shadow on the ground or a
// star's glow that must fade out before the top of the picture.
void flatGlow(QPainter& painter, QPointF centre, double rx, double ry, const QColor& colour,
              double strength);

// A bevelled five-pointed star with its points lit on the upper left.
void star(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// Rays of light around a shining star, turned by angle degrees. Rays that
// point upwards are shortened so they fade out inside the picture.
void rays(QPainter& painter, QPointF centre, double length, const QColor& colour, double strength,
          double angle);

// A glass ball hanging from its cap.
void bauble(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// A small light bulb; lit 0 is off, 1 is fully on with its halo.
void bulb(QPainter& painter, QPointF centre, double size, const QColor& colour, double lit);

// A four-pointed glint of light, as on ice or polished silver.
void glint(QPainter& painter, QPointF centre, double size, const QColor& colour, double strength);

// A string of small beads hung between two points in a shallow curve.
void beads(QPainter& painter, QPointF left, QPointF right, double sag, const QColor& colour);

// A clear icicle hanging from a branch tip.
void icicle(QPainter& painter, QPointF top, double length, double width);

// A ribbon bow with two loops and two notched tails.
void bow(QPainter& painter, QPointF centre, double size, const QColor& colour);

// A round pot, wider at the rim, standing on its bottom edge.
void pot(QPainter& painter, const QRectF& box, const QColor& body, const QColor& rim);

// A wooden tub held by two metal hoops.
void tub(QPainter& painter, const QRectF& box, const QColor& wood, const QColor& hoop);

// A soft heap of snow whose base is the given rectangle's bottom edge.
void snowMound(QPainter& painter, const QRectF& box, const QColor& light, const QColor& shade);

// A wrapped present with a ribbon cross and a little bow on its lid.
void present(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& ribbon);

// A falling snowflake: a soft white dot, or a tiny six-armed crystal.
void flake(QPainter& painter, QPointF centre, double radius, double alpha, bool crystal);

} // namespace TreeOrnaments
