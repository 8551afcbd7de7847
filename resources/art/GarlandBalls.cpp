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
constexpr qreal kWire = 15.0; // how far in from the screen edge's far side the wire holds a socket
constexpr qreal kWireSide = 22.0; // and how far in it crosses the ends of a piece
constexpr qreal kRadius = 26.0;   // the glass globe
constexpr qreal kSocketLength = 11.0;

// A twisted pair, dark enough for a light desktop, with a pale twist that
// keeps it in sight on a dark one.
void strokeWire(QPainter& p, const QPainterPath& path)
{
    const qreal width = 3.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GarlandPalette::wireDark(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QPen twist(
        ArtColour::withAlpha(ArtColour::mix(GarlandPalette::wireLight(), Qt::white, 0.25), 0.9),
        1.1, Qt::CustomDashLine, Qt::FlatCap);
    twist.setDashPattern({2.6 / 1.1, 1.0 / 1.1});
    p.setPen(twist);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
}

// The globe on its socket in its own frame: the socket's back at the origin,
// the globe along +y. Everything that shows which way is up lies along that
// axis or is mirrored across it, so the light reads right on the top edge,
// where the picture is turned over, as well as on the bottom edge.
void paintGlobe(QPainter& p, const GarlandHue& hue, bool lit)
{
    const QPointF centre(0, kSocketLength - 2.0 + kRadius);
    const qreal r = kRadius;
    QRadialGradient glass(centre, r);
    if (lit) {
        glass.setColorAt(0.0, hue.core);
        glass.setColorAt(0.28, ArtColour::mix(hue.core, hue.glass, 0.55));
        glass.setColorAt(0.75, hue.glass);
        glass.setColorAt(1.0, ArtColour::scaled(hue.glass, 0.78));
    } else {
        glass.setColorAt(0.0, ArtColour::scaled(hue.glass, 0.62));
        glass.setColorAt(0.6, ArtColour::scaled(hue.glass, 0.48));
        glass.setColorAt(0.92, ArtColour::scaled(hue.glass, 0.78));
        glass.setColorAt(1.0, ArtColour::scaled(hue.glass, 0.55));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(centre, r, r);
    if (lit)
        paintHalo(p, centre, 0.5 * r, 0.5 * r, QColor(255, 255, 240), 0.65);

    // The filament's little cage seen through the glass.
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(ArtColour::withAlpha(lit ? QColor(255, 250, 225) : QColor(60, 50, 40), 0.45), 0.6));
    p.drawLine(QPointF(-2.0, kSocketLength - 1.0), QPointF(-1.4, centre.y() - 4.0));
    p.drawLine(QPointF(2.0, kSocketLength - 1.0), QPointF(1.4, centre.y() - 4.0));
    p.drawArc(QRectF(-1.6, centre.y() - 5.5, 3.2, 3.0), 180 * 16, 180 * 16);

    // Light caught by a sphere, the same all round: a bright rim just inside
    // its edge and a soft sheen over its middle, so the globe reads as glass
    // on every edge it is turned to.
    QRadialGradient sheen(centre, r);
    sheen.setColorAt(0.0, QColor(255, 255, 255, lit ? 0 : 70));
    sheen.setColorAt(0.45, QColor(255, 255, 255, lit ? 0 : 18));
    sheen.setColorAt(0.74, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.9, QColor(255, 255, 255, lit ? 110 : 130));
    sheen.setColorAt(0.97, QColor(255, 255, 255, lit ? 40 : 50));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ArtColour::withAlpha(ArtColour::scaled(hue.glass, 0.32), 0.8), 0.7));
    p.drawEllipse(centre, r, r);

    // The socket: moulded plastic in the wire's green with two ribs.
    QLinearGradient plastic(QPointF(-6.0, 0), QPointF(6.0, 0));
    plastic.setColorAt(0.0, ArtColour::scaled(GarlandPalette::wireDark(), 0.7));
    plastic.setColorAt(0.4, ArtColour::mix(GarlandPalette::wireLight(), Qt::white, 0.15));
    plastic.setColorAt(1.0, ArtColour::scaled(GarlandPalette::wireDark(), 0.8));
    p.setBrush(plastic);
    p.setPen(QPen(ArtColour::withAlpha(QColor(4, 18, 8), 0.8), 0.5));
    QPainterPath socket;
    socket.moveTo(-4.2, -1.5);
    socket.lineTo(4.2, -1.5);
    socket.lineTo(5.6, kSocketLength);
    socket.quadTo(0, kSocketLength + 1.4, -5.6, kSocketLength);
    socket.closeSubpath();
    p.drawPath(socket);
    p.setPen(QPen(ArtColour::withAlpha(QColor(4, 18, 8), 0.6), 0.7));
    for (qreal y : {3.5, 7.0})
        p.drawLine(QPointF(-4.6 - y * 0.1, y), QPointF(4.6 + y * 0.1, y));
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintBallLight(const GarlandHue& hue, bool lit, bool corner)
{
    GarlandSurface surface(QSize(kTile, kTile), 3);
    QPainter p;
    surface.begin(p);
    const qreal T = kTile;
    // The socket sits on the wire at the piece's middle, the globe points to
    // the screen edge.
    const QPointF origin = corner ? QPointF(T - kWire - 22.0, kWire + 22.0) : QPointF(T / 2, kWire);
    const qreal angle = corner ? 45.0 : 0.0;
    const qreal rad = qDegreesToRadians(angle);
    const QPointF axis(-std::sin(rad), std::cos(rad));
    const QPointF centre = origin + axis * (kSocketLength - 2.0 + kRadius);

    if (lit) {
        // Fades out before the sides so neighbouring globes show no seam.
        const qreal reach = corner ? std::min(centre.x(), T - centre.y()) + 2.0 : T / 2;
        paintHalo(p, centre, reach, reach, hue.halo, 0.85);
        paintHalo(p, centre, 0.5 * reach + 0.5 * kRadius, 0.5 * reach + 0.5 * kRadius, hue.halo,
                  0.5);
    }

    // The wire crosses both ends of a piece level and at the same depth, so
    // it runs on into the neighbour, or into the stretch of wire that fills
    // the gap the window leaves between two globes; between those it rises
    // to the socket, and the string hangs in shallow swags.
    // Each end runs straight for a few pixels, so the wire crosses it level.
    QPainterPath wire;
    const qreal level = 5.0;
    if (corner) {
        const QPointF in = origin;
        wire.moveTo(T - kWireSide, -1.0);
        wire.lineTo(T - kWireSide, level);
        wire.cubicTo(QPointF(T - kWireSide, 0.4 * in.y()), QPointF(in.x() + 8.0, in.y() - 12.0),
                     in);
        wire.moveTo(T + 1.0, kWireSide);
        wire.lineTo(T - level, kWireSide);
        wire.cubicTo(QPointF(T - 0.4 * (T - in.x()), kWireSide),
                     QPointF(in.x() + 12.0, in.y() - 8.0), in);
    } else {
        wire.moveTo(-1.0, kWireSide);
        wire.lineTo(level, kWireSide);
        wire.cubicTo(QPointF(0.2 * T, kWireSide), QPointF(0.34 * T, kWire - 1.0),
                     QPointF(T / 2, kWire - 1.0));
        wire.cubicTo(QPointF(0.66 * T, kWire - 1.0), QPointF(0.8 * T, kWireSide),
                     QPointF(T - level, kWireSide));
        wire.lineTo(T + 1.0, kWireSide);
    }
    strokeWire(p, wire);

    p.save();
    p.translate(origin);
    p.rotate(angle);
    paintGlobe(p, hue, lit);
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

QImage paintBallWire()
{
    GarlandSurface surface(QSize(kBallWireLength, kTile), 3);
    QPainter p;
    surface.begin(p);
    QPainterPath wire;
    wire.moveTo(-2.0, kWireSide);
    wire.lineTo(kBallWireLength + 2.0, kWireSide);
    strokeWire(p, wire);
    p.end();
    return surface.result();
}
