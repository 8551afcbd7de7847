#pragma once

#include <QColor>

// Colour arithmetic shared by the picture groups, so the same shade worked out
// for a garland bulb or a tree ornament comes out the same everywhere.
namespace ArtColour {

// Mixes two colours, alpha included; t = 0 gives a, t = 1 gives b, and t is
// held within that range.
QColor mix(const QColor& a, const QColor& b, double t);

// The colour with its alpha replaced, held within 0..1.
QColor withAlpha(QColor colour, double alpha);

// Each channel multiplied by f and capped at full strength; alpha unchanged.
// Above 1 it lightens toward a glassy highlight, below 1 it darkens.
QColor scaled(const QColor& colour, double f);

} // namespace ArtColour
