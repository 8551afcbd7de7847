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
constexpr QPointF kCentre(78.0, 84.0);
constexpr qreal kArm = 62.0;

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
constexpr Branch kBranches[] = {{0.36, 0.30, 2.6}, {0.60, 0.24, 2.2}, {0.80, 0.13, 1.7}};

QPainterPath flakeShape()
{
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    for (int arm = 0; arm < 6; ++arm) {
        const qreal a = arm * 60.0;
        shape.addPath(segment(polar(a, 0.1 * kArm), polar(a, 0.55 * kArm), 4.4));
        shape.addPath(segment(polar(a, 0.5 * kArm), polar(a, 0.93 * kArm), 3.2));
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
        diamond.moveTo(tip - along * 4.0);
        diamond.lineTo(tip + across * 3.2);
        diamond.lineTo(tip + along * 5.0);
        diamond.lineTo(tip - across * 3.2);
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
    p.setPen(QPen(colour, 0.7, Qt::SolidLine, Qt::RoundCap));
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

// A short cord from the arm nearest the screen edge down to that edge, with
// the ring that holds it: the light hangs from the edge of the screen whichever
// edge it is turned to, never from a loop that leads nowhere.
void paintHanger(QPainter& p)
{
    const QPointF tip = polar(0.0, kArm + 1.0);
    const QPointF ring = tip + QPointF(0, 3.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 126, 136, 230), 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(polar(0.0, 0.95 * kArm), tip);
    p.drawLine(ring + QPointF(0, 3.0), QPointF(ring.x(), kTile + 1.0));
    p.drawEllipse(ring, 2.6, 3.0);
    p.setPen(QPen(QColor(235, 238, 244, 220), 0.6));
    p.drawEllipse(ring + QPointF(-0.2, -0.2), 2.6, 3.0);
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintSnowflakeLight(const GarlandHue& hue, bool lit)
{
    const QPainterPath shape = flakeShape();
    GarlandSurface surface(QSize(kTile, kTile), 3);
    QPainter p;
    surface.begin(p);
    paintHanger(p);
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
        paintHalo(p, kCentre, 12.0, 12.0, QColor(255, 255, 255), 0.8);
    p.end();
    const QImage crystal = surface.result();
    if (!lit)
        return crystal;

    // The glow: the crystal's own silhouette blurred wide and narrow.
    const QImage wide = glowFromAlpha(crystal, 9, hue.halo, 1.5);
    const QImage near = glowFromAlpha(crystal, 3, hue.halo, 1.3);
    QImage out(crystal.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter c(&out);
    c.setCompositionMode(QPainter::CompositionMode_Plus);
    c.drawImage(0, 0, wide);
    c.drawImage(0, 0, near);
    c.setCompositionMode(QPainter::CompositionMode_SourceOver);
    c.drawImage(0, 0, crystal);
    c.end();
    return out;
}
