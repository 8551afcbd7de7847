#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <initializer_list>
#include <utility>
#include <vector>

class ArtRandom;

// Shared brushes of the logon pictures. Every scene is painted on a
// 1920 x 1080 canvas; the preview is a downscale of the same canvas.
namespace logon {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

using GradientStops = std::initializer_list<std::pair<double, QColor>>;

QImage newCanvas(QSize size = QSize(kWidth, kHeight));
QColor withAlpha(QColor color, double alpha);
QColor mix(const QColor& a, const QColor& b, double t);

void fillVertical(QPainter& p, const QRectF& rect, GradientStops stops);
void fillPathVertical(QPainter& p, const QPainterPath& path, double top, double bottom,
                      GradientStops stops);

// A round light falling off to nothing; pair with CompositionMode_Plus or
// Screen for light that adds up where it overlaps.
void glow(QPainter& p, QPointF centre, double radius, const QColor& colour, double core = 0.0);

// An out-of-focus light disc: even body, slightly brighter rim, soft edge.
void bokehDisc(QPainter& p, QPointF centre, double radius, const QColor& colour, double alpha);

// Box blur, three passes (close to a Gaussian), in place.
void blur(QImage& image, int radius);

// Paints `layer` (drawn at a lower resolution and blurred) over the canvas.
void drawLayer(QPainter& p, const QImage& layer,
               QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);

// Falling snow: soft dots between the two radii.
void snowDots(QPainter& p, ArtRandom& rng, const QRectF& area, int count, double minRadius,
              double maxRadius, double minAlpha, double maxAlpha, const QColor& tint = Qt::white);

// A six-armed ice crystal with side branches.
void snowCrystal(QPainter& p, QPointF centre, double radius, double angle, const QColor& colour,
                 double lineWidth);

void stars(QPainter& p, ArtRandom& rng, const QRectF& area, int count, double maxAlpha);

// A four-pointed glint, as light catches snow or glass.
void sparkle(QPainter& p, QPointF centre, double size, const QColor& colour);

// A closed shape under a rolling line from left to right: snowy hills, banks.
QPainterPath hills(ArtRandom& rng, double left, double right, double baseY, double amplitude,
                   int bumps, double bottom);

// A fir seen from afar, in tiers, with snow lying on each tier.
void snowyFir(QPainter& p, ArtRandom& rng, QPointF base, double height, const QColor& body,
              const QColor& snow, double snowAmount);

// A shiny sphere lit from the upper left; `cap` adds the metal cap and loop.
void bauble(QPainter& p, QPointF centre, double radius, const QColor& colour, bool cap = true);

// A five-pointed star.
QPainterPath starPath(QPointF centre, double outer, double inner, double rotation = 0.0);

// A branch of fir: needles along a curve, drawn stroke by stroke.
void firBranch(QPainter& p, ArtRandom& rng, const QPainterPath& spine, double needleLength,
               const QColor& dark, const QColor& light, int density);

// Barely visible grain so that broad gradients do not band in the JPEG.
void grain(QImage& image, unsigned seed, int amplitude);

} // namespace logon
