#pragma once

#include "ArtRandom.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

// Drawing pieces shared by the settings window's pictures (pages, skinned
// buttons, tab and program icons), so that all of them speak one winter look.
namespace PageArtKit {

// The palette every settings picture draws from.
namespace Palette {
inline const QColor snowWhite{0xfb, 0xfd, 0xff};
inline const QColor iceLight{0xe6, 0xf0, 0xfa};
inline const QColor ice{0xc8, 0xdc, 0xf1};
inline const QColor frost{0x86, 0xad, 0xd8};
inline const QColor frostDeep{0x3d, 0x6c, 0xa8};
inline const QColor night{0x08, 0x16, 0x36};
inline const QColor nightMid{0x14, 0x2f, 0x66};
inline const QColor nightLight{0x2a, 0x52, 0x98};
inline const QColor festiveRed{0xc9, 0x22, 0x34};
inline const QColor redDark{0x78, 0x0c, 0x1c};
inline const QColor gold{0xf3, 0xc6, 0x55};
inline const QColor goldDark{0x9c, 0x68, 0x16};
inline const QColor pine{0x22, 0x74, 0x4a};
inline const QColor pineDark{0x0d, 0x3d, 0x27};
} // namespace Palette

QImage blankImage(int width, int height, const QColor& fill = Qt::transparent);

// Starts a painter with the smooth settings every picture wants.
void beginSmooth(QPainter& painter, QImage& image);

// A soft blur (three box passes, close to a Gaussian) on a premultiplied image.
void blur(QImage& image, int radius);

// Ready-made blurred glow of a shape, to lay under lettering and ornaments.
QImage glowOf(const QPainterPath& path, QSize size, const QColor& color, int radius,
              qreal spread = 0);

void verticalGradient(QPainter& painter, const QRectF& rect, const QColor& top,
                      const QColor& bottom);

void radialGlow(QPainter& painter, QPointF centre, qreal radius, const QColor& color);

// A six-armed crystal with side branches; penWidth scales with the radius
// when left at 0.
void snowflake(QPainter& painter, QPointF centre, qreal radius, const QColor& color,
               qreal angleDegrees = 0, qreal penWidth = 0, bool withBranches = true);

// A four-pointed twinkle, brightest in the middle.
void sparkle(QPainter& painter, QPointF centre, qreal radius, const QColor& color);

// Small round stars of varied brightness, some with a twinkle.
void starField(QPainter& painter, const QRectF& area, int count, ArtRandom& random,
               const QColor& color = Qt::white);

// Soft round flakes of varied size, as falling snow seen from near.
void snowfall(QPainter& painter, const QRectF& area, int count, ArtRandom& random, qreal minRadius,
              qreal maxRadius, int minAlpha, int maxAlpha, const QColor& color = Qt::white);

// A rolling snow line across the width of the rect: the area below the line
// down to the rect's bottom.
QPainterPath snowHills(const QRectF& rect, qreal baseY, qreal amplitude, int waves, qreal phase);

// A fir tree of stacked tiers standing on base, with optional snow on each tier.
void firTree(QPainter& painter, QPointF base, qreal height, const QColor& body, const QColor& shade,
             bool snowy);

// A hanging glass ornament; centre of the ball, radius of the ball.
void bauble(QPainter& painter, QPointF centre, qreal radius, const QColor& color,
            bool withCap = true);

// A string of coloured lights hanging in a shallow curve from a to b.
void lightString(QPainter& painter, QPointF a, QPointF b, qreal sag, int bulbs, qreal bulbRadius,
                 int colourOffset = 0);

// A swag of fir branches (many short needles) hanging from a to b.
void pineSwag(QPainter& painter, QPointF a, QPointF b, qreal sag, qreal thickness,
              ArtRandom& random);

// A wreath of fir sprigs with red berries and a bow at the bottom.
void wreath(QPainter& painter, QPointF centre, qreal radius, ArtRandom& random);

// A pair of golden bells tied with a red bow; centre is the knot of the bow.
void bells(QPainter& painter, QPointF centre, qreal size);

// A wrapped present with a ribbon cross and a bow on top.
void present(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& ribbon);

// The program's emblem: a glowing red bauble carrying a white snowflake. The
// detail shrinks with the box so the same emblem reads at 16 px and 256 px.
void emblem(QPainter& painter, const QRectF& box, bool withHalo);

// Lettering as an outline path centred on a point (baseline worked out from
// the font's metrics), so it can be stroked, filled and given a glow.
QPainterPath textPath(const QString& text, const QFont& font, QPointF centre);

// Festive lettering: glow or shadow, dark outline, gradient fill, soft top light.
struct Lettering {
    QColor fillTop = Palette::gold.lighter(125);
    QColor fillBottom = Palette::goldDark;
    QColor outline = Palette::redDark.darker(160);
    qreal outlineWidth = 3;
    QColor glow = QColor(255, 230, 160, 150);
    int glowRadius = 6;
    bool snowCaps = false;
};
void drawLettering(QPainter& painter, QImage& target, const QPainterPath& path,
                   const Lettering& style);

// A font of the Liberation families (always installed with the program's
// build) at a pixel size.
QFont font(const QString& family, int pixelSize, bool bold, bool italic = false);

// Widest pixel size (down from maxPixelSize) at which text fits in width.
int fittingPixelSize(const QString& text, QFont font, qreal width, int maxPixelSize);

} // namespace PageArtKit
