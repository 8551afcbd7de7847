#include "GarlandSnowflakes.h"

#include "ArtColour.h"
#include "GarlandLight.h"
#include "GarlandSurface.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kTile = 156;
// The window lays the corner lights 44 pixels past the screen's edge along
// the edge they hang on; an arm short enough to stay on the screen there
// keeps the corner lights whole.
constexpr qreal kArm = 30.0;
// The string runs along the screen edge, just inside it, and each light hangs
// a short cord's length in from it.
constexpr qreal kStringY = kTile - 3.0;
constexpr QPointF kCentre(kTile / 2.0, kStringY - 12.0 - kArm);
// Strokes are as thick as the light is big, but never thinner than reads.
constexpr qreal kStroke = 0.62;

QPointF polar(qreal degrees, qreal length)
{
    // 0 degrees points straight down, angles run clockwise on screen.
    const qreal rad = qDegreesToRadians(degrees);
    return kCentre + QPointF(-std::sin(rad) * length, std::cos(rad) * length);
}

QPainterPath segment(QPointF a, QPointF b, qreal width)
{
    QPainterPath line;
    line.moveTo(a);
    line.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

struct Branch {
    qreal at, length, width;
};
constexpr Branch kBranches[] = {
    {0.36, 0.30, 2.6 * kStroke}, {0.60, 0.24, 2.2 * kStroke}, {0.80, 0.13, 1.7 * kStroke}};

QPainterPath flakeShape()
{
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    for (int arm = 0; arm < 6; ++arm) {
        const qreal a = arm * 60.0;
        shape.addPath(segment(polar(a, 0.1 * kArm), polar(a, 0.55 * kArm), 4.4 * kStroke));
        shape.addPath(segment(polar(a, 0.5 * kArm), polar(a, 0.93 * kArm), 3.2 * kStroke));
        for (const Branch& b : kBranches) {
            const QPointF root = polar(a, b.at * kArm);
            for (qreal side : {-1.0, 1.0}) {
                const qreal rad = qDegreesToRadians(a + side * 60.0);
                const QPointF dir(-std::sin(rad), std::cos(rad));
                shape.addPath(segment(root, root + dir * (b.length * kArm), b.width));
            }
        }
        // A small diamond at the tip of each arm.
        const qreal rad = qDegreesToRadians(a);
        const QPointF along(-std::sin(rad), std::cos(rad)), across(-along.y(), along.x());
        const QPointF tip = polar(a, 0.95 * kArm);
        QPainterPath diamond;
        diamond.moveTo(tip - along * (4.0 * kStroke));
        diamond.lineTo(tip + across * (3.2 * kStroke));
        diamond.lineTo(tip + along * (5.0 * kStroke));
        diamond.lineTo(tip - across * (3.2 * kStroke));
        diamond.closeSubpath();
        shape.addPath(diamond);
    }
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << polar(30.0 + i * 60.0, 0.17 * kArm);
    shape.addPolygon(hexagon);
    shape.closeSubpath();
    return shape.simplified();
}

// Bright lines down the middle of the arms: the facets of the crystal.
void paintRidges(QPainter& p, const QColor& colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 0.55, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 6; ++arm) {
        const qreal a = arm * 60.0;
        p.drawLine(polar(a, 0.2 * kArm), polar(a, 0.9 * kArm));
        for (const Branch& b : kBranches) {
            const QPointF root = polar(a, b.at * kArm);
            for (qreal side : {-1.0, 1.0}) {
                const qreal rad = qDegreesToRadians(a + side * 60.0);
                const QPointF dir(-std::sin(rad), std::cos(rad));
                p.drawLine(root + dir * 1.2, root + dir * (b.length * kArm - 0.8));
            }
        }
    }
    QPolygonF inner;
    for (int i = 0; i < 6; ++i)
        inner << polar(30.0 + i * 60.0, 0.09 * kArm);
    p.drawPolygon(inner);
    p.setPen(Qt::NoPen);
}

// The string along the screen edge, crossing both ends of the picture at the
// same depth so it runs on into its neighbours, and a short cord from it to
// the arm nearest the edge, with the ring that holds it.
void strokeString(QPainter& p, qreal from, qreal to)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 102, 114, 235), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(from, kStringY), QPointF(to, kStringY));
    p.setPen(QPen(QColor(232, 236, 242, 200), 0.55, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(from, kStringY - 0.35), QPointF(to, kStringY - 0.35));
    p.setPen(Qt::NoPen);
}

void paintHanger(QPainter& p)
{
    strokeString(p, -1.0, kTile + 1.0);
    const QPointF tip = polar(0.0, 0.95 * kArm + 3.0 * kStroke);
    const QPointF ring(kCentre.x(), kStringY - 2.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 102, 114, 235), 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tip, ring - QPointF(0, 2.4));
    p.drawEllipse(ring, 2.2, 2.4);
    p.setPen(QPen(QColor(235, 238, 244, 220), 0.5));
    p.drawEllipse(ring + QPointF(-0.2, -0.2), 2.2, 2.4);
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintSnowflakeLight(const GarlandHue& hue, bool lit)
{
    const QPainterPath shape = flakeShape();
    GarlandSurface surface(QSize(kTile, kTile), 3);
    QPainter p;
    surface.begin(p);
    QRadialGradient body(kCentre, kArm);
    if (lit) {
        body.setColorAt(0.0, QColor(255, 255, 255));
        body.setColorAt(0.25, hue.core);
        body.setColorAt(0.7, ArtColour::mix(hue.core, hue.glass, 0.7));
        body.setColorAt(1.0, hue.glass);
        p.setPen(QPen(ArtColour::withAlpha(hue.glass, 0.9), 0.6));
    } else {
        body.setColorAt(0.0, QColor(206, 210, 218, 245));
        body.setColorAt(0.6, QColor(166, 171, 181, 240));
        body.setColorAt(1.0, QColor(138, 143, 154, 240));
        p.setPen(QPen(QColor(78, 84, 96, 230), 0.7));
    }
    p.setBrush(body);
    p.drawPath(shape);
    paintRidges(p, lit ? QColor(255, 255, 255, 230) : QColor(246, 248, 252, 210));
    if (lit)
        paintHalo(p, kCentre, 7.0, 7.0, QColor(255, 255, 255), 0.8);
    p.end();
    const QImage crystal = surface.result();

    // The string and cord go behind the crystal; only the crystal glows.
    GarlandSurface hanger(QSize(kTile, kTile), 3);
    hanger.begin(p);
    paintHanger(p);
    p.end();
    QImage out = hanger.result();
    QPainter c(&out);
    if (lit) {
        // The glow: the crystal's own silhouette blurred wide and narrow.
        c.setCompositionMode(QPainter::CompositionMode_Plus);
        c.drawImage(0, 0, glowFromAlpha(crystal, 6, hue.halo, 1.5));
        c.drawImage(0, 0, glowFromAlpha(crystal, 2, hue.halo, 1.3));
        c.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    c.drawImage(0, 0, crystal);
    c.end();
    return out;
}

QImage paintSnowflakeString()
{
    GarlandSurface surface(QSize(kSnowflakeStringLength, kTile), 3);
    QPainter p;
    surface.begin(p);
    strokeString(p, -1.0, kSnowflakeStringLength + 1.0);
    p.end();
    return surface.result();
}
