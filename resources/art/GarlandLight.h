#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

// Shared ways of drawing light for the garland pictures: soft halos round a
// lit bulb and glows made from a blurred silhouette.

// A Gaussian-looking halo: peakAlpha at the centre, gone at the given radii.
void paintHalo(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
               const QColor& colour, qreal peakAlpha);

// The image's alpha blurred by a few box passes and filled with one colour:
// how light spreads round a lit shape.
QImage glowFromAlpha(const QImage& shape, int radius, const QColor& colour, qreal strength);
