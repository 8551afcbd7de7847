#include "GarlandBalls.h"

#include "ArtColour.h"
#include "GarlandLight.h"
#include "GarlandSurface.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kTile = 96;
constexpr qreal kWire = 14.0;   // wire depth below the inner side of a straight piece
constexpr qreal kRadius = 30.0; // the glass ball
constexpr qreal kCapLength = 9.0;

void strokeWire(QPainter& p, const QPainterPath& path)
{
    const qreal width = 2.6;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GarlandPalette::wireDark(), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    // The twist of the two strands; its period divides the square.
    const qreal unit = width * 0.4;
    QPen twist(ArtColour::withAlpha(GarlandPalette::wireLight(), 0.85), unit, Qt::CustomDashLine,
               Qt::FlatCap);
    twist.setDashPattern({1.8 / unit, 1.2 / unit});
    p.setPen(twist);
    p.translate(0, -0.45);
    p.drawPath(path);
    p.translate(0, 0.45);
    p.setPen(Qt::NoPen);
}

// The ball in its own frame: the top of the cap at the origin, hanging along +y.
void paintBall(QPainter& p, const GarlandHue& hue, bool lit)
{
    const QPointF centre(0, kCapLength - 1.5 + kRadius);
    const qreal r = kRadius;
    QRadialGradient glass(lit ? centre + QPointF(-0.1 * r, 0.0)
                              : centre + QPointF(-0.35 * r, -0.4 * r),
                          lit ? 1.05 * r : 1.45 * r);
    if (lit) {
        glass.setColorAt(0.0, hue.core);
        glass.setColorAt(0.3, ArtColour::mix(hue.core, hue.glass, 0.6));
        glass.setColorAt(0.72, hue.glass);
        glass.setColorAt(1.0, ArtColour::scaled(hue.glass, 0.72));
    } else {
        glass.setColorAt(0.0, ArtColour::scaled(hue.glass, 1.05));
        glass.setColorAt(0.35, ArtColour::scaled(hue.glass, 0.7));
        glass.setColorAt(0.8, ArtColour::scaled(hue.glass, 0.32));
        glass.setColorAt(1.0, ArtColour::scaled(hue.glass, 0.18));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(centre, r, r);

    if (lit)
        paintHalo(p, centre, 0.55 * r, 0.55 * r, QColor(255, 255, 245), 0.6);

    // Light from the room wrapping round the lower right rim.
    {
        p.save();
        QPainterPath ball;
        ball.addEllipse(centre, r, r);
        p.setClipPath(ball, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(
            ArtColour::withAlpha(ArtColour::scaled(hue.glass, lit ? 1.5 : 1.8), lit ? 0.3 : 0.4),
            3.0));
        p.drawArc(QRectF(centre.x() - r + 1.6, centre.y() - r + 1.6, 2 * r - 3.2, 2 * r - 3.2),
                  -80 * 16, 95 * 16);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ArtColour::withAlpha(ArtColour::scaled(hue.glass, 0.3), 0.7), 0.6));
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);

    // The window reflected in the glossy glass.
    {
        p.save();
        p.translate(centre + QPointF(-0.42 * r, -0.45 * r));
        p.rotate(-38);
        QRadialGradient shine(QPointF(0, 0), 1.0);
        shine.setColorAt(0.0, QColor(255, 255, 255, 235));
        shine.setColorAt(0.55, QColor(255, 255, 255, 150));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.scale(0.3 * r, 0.17 * r);
        p.setBrush(shine);
        p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        p.restore();
    }
    p.setBrush(QColor(255, 255, 255, 245));
    p.drawEllipse(centre + QPointF(-0.5 * r, -0.5 * r), 0.07 * r, 0.06 * r);

    // Metal cap and its wire loop.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 130, 70), 1.0));
    p.drawEllipse(QPointF(0, -0.6), 2.4, 2.4);
    QLinearGradient metal(QPointF(-6.5, 0), QPointF(6.5, 0));
    metal.setColorAt(0.0, QColor(110, 86, 30));
    metal.setColorAt(0.35, QColor(255, 236, 160));
    metal.setColorAt(0.6, QColor(200, 160, 60));
    metal.setColorAt(1.0, QColor(90, 66, 20));
    p.setBrush(metal);
    p.setPen(QPen(QColor(80, 60, 20, 200), 0.4));
    QPainterPath cap;
    cap.moveTo(-4.5, 1.2);
    cap.lineTo(4.5, 1.2);
    cap.lineTo(6.2, kCapLength);
    cap.quadTo(0, kCapLength + 1.6, -6.2, kCapLength);
    cap.closeSubpath();
    p.drawPath(cap);
    p.setPen(QPen(QColor(90, 66, 20, 170), 0.4));
    for (qreal x = -4.0; x <= 4.01; x += 1.6)
        p.drawLine(QPointF(x * 0.8, 1.8), QPointF(x * 1.1, kCapLength - 0.4));
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintBallLight(const GarlandHue& hue, bool lit, bool corner)
{
    GarlandSurface surface(QSize(kTile, kTile), 3);
    QPainter p;
    surface.begin(p);
    const qreal T = kTile;
    const QPointF origin = corner ? QPointF(62.0, 34.0) : QPointF(48.0, 20.0);
    const qreal angle = corner ? 45.0 : 0.0;
    const qreal rad = qDegreesToRadians(angle);
    const QPointF axis(-std::sin(rad), std::cos(rad));
    const QPointF centre = origin + axis * (kCapLength - 1.5 + kRadius);

    if (lit) {
        // Fades out before the sides so neighbouring balls show no seam.
        const qreal reach = corner ? std::min(centre.x(), T - centre.y()) + 2.0 : T / 2;
        paintHalo(p, centre, reach, reach, hue.halo, 0.85);
        paintHalo(p, centre, 0.5 * reach + 0.5 * kRadius, 0.5 * reach + 0.5 * kRadius, hue.halo,
                  0.5);
    }

    QPainterPath wire;
    const QPointF loop = origin + axis * -1.0;
    if (corner) {
        wire.moveTo(T - kWire, 0);
        wire.cubicTo(T - kWire, 0.6 * loop.y(), loop.x() + 8.0, loop.y() - 6.0, loop.x(), loop.y());
        wire.moveTo(T, kWire);
        wire.cubicTo(T - 12.0, kWire, loop.x() + 7.0, loop.y() - 4.0, loop.x(), loop.y());
    } else {
        wire.moveTo(0, kWire);
        wire.quadTo(T / 2, kWire + 1.5, T, kWire);
        wire.moveTo(T / 2, kWire + 0.7);
        wire.lineTo(loop);
    }
    strokeWire(p, wire);

    p.save();
    p.translate(origin);
    p.rotate(angle);
    paintBall(p, hue, lit);
    p.restore();
    p.end();
    return surface.result();
}

QImage paintBacklightGlow(const GarlandHue& hue)
{
    GarlandSurface surface(QSize(kTile, kTile), 2);
    QPainter p;
    surface.begin(p);
    // A broad, flat-topped falloff: the light fills most of the square and
    // only fades out near its sides, so the edge of the screen seems to glow.
    QRadialGradient light(QPointF(0, 0), 1.0);
    const int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal falloff = (1.0 - t * t) * (1.0 - t * t);
        light.setColorAt(
            t, ArtColour::withAlpha(ArtColour::mix(hue.halo, Qt::white, 0.3 * falloff * falloff),
                                    0.92 * falloff));
    }
    p.translate(kTile / 2.0, kTile);
    p.scale(0.5 * kTile, 0.95 * kTile);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.end();
    return surface.result();
}
