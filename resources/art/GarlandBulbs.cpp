#include "GarlandBulbs.h"

#include "ArtColour.h"
#include "GarlandLight.h"
#include "GarlandSurface.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// The measurements of one bulb in its own frame: the socket's top at the
// origin, the bulb pointing along +y.
struct BulbGeometry {
    int tile;         // square side
    qreal wire;       // wire depth from the inner side of a straight piece
    qreal socketTop;  // socket from socketTop ...
    qreal socketEnd;  // ... to socketEnd
    qreal socketHalf; // socket half width
    qreal neck;       // half width where the glass leaves the socket
    qreal glassTop;   // where the glass starts
    qreal length;     // glass length
    qreal radius;     // glass half width at its widest
    QPointF straightOrigin;
    QPointF cornerOrigin;
};

BulbGeometry geometryOf(GarlandBulbShape shape)
{
    switch (shape) {
    case GarlandBulbShape::Classic:
        return {48, 9.0, -4.0, 7.5, 5.0, 4.0, 6.0, 30.0, 9.5, {24.0, 8.5}, {30.5, 17.5}};
    case GarlandBulbShape::Strawberry:
        return {48, 9.0, -4.0, 7.0, 5.0, 4.5, 5.5, 29.5, 11.0, {24.0, 8.5}, {30.0, 17.8}};
    case GarlandBulbShape::Mini:
        break;
    }
    return {32, 6.0, -3.0, 4.5, 3.4, 2.6, 4.0, 19.5, 5.0, {16.0, 5.5}, {20.2, 11.8}};
}

QPainterPath glassPath(GarlandBulbShape shape, const BulbGeometry& g)
{
    const qreal y0 = g.glassTop, L = g.length, R = g.radius, n = g.neck;
    QPainterPath path;
    path.moveTo(-n, y0);
    if (shape == GarlandBulbShape::Strawberry) {
        // Broad shoulders just under the cap, then a long taper to a blunt tip.
        path.cubicTo(-R * 0.95, y0, -R * 1.02, y0 + 0.22 * L, -R * 0.97, y0 + 0.40 * L);
        path.cubicTo(-R * 0.88, y0 + 0.72 * L, -R * 0.32, y0 + L, 0, y0 + L);
        path.cubicTo(R * 0.32, y0 + L, R * 0.88, y0 + 0.72 * L, R * 0.97, y0 + 0.40 * L);
        path.cubicTo(R * 1.02, y0 + 0.22 * L, R * 0.95, y0, n, y0);
    } else {
        // The classic flame shape: narrow neck, round belly, soft point.
        path.cubicTo(-n, y0 + 0.12 * L, -R, y0 + 0.22 * L, -R, y0 + 0.52 * L);
        path.cubicTo(-R, y0 + 0.80 * L, -R * 0.28, y0 + L, 0, y0 + L);
        path.cubicTo(R * 0.28, y0 + L, R, y0 + 0.80 * L, R, y0 + 0.52 * L);
        path.cubicTo(R, y0 + 0.22 * L, n, y0 + 0.12 * L, n, y0);
    }
    path.closeSubpath();
    return path;
}

// Cut-glass diamonds: each facet is four small triangles lit from the upper
// left, with a bead in the middle like a strawberry's seed.
void paintFacets(QPainter& p, const QPainterPath& body, const BulbGeometry& g, bool lit,
                 const GarlandHue& hue)
{
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    const qreal dx = 2.9, dy = 3.3;
    const QColor light = lit ? QColor(255, 255, 255) : ArtColour::scaled(hue.glass, 1.6);
    const QColor shade = QColor(0, 0, 0);
    int row = 0;
    for (qreal cy = g.glassTop - dy; cy < g.glassTop + g.length + dy; cy += dy, ++row) {
        const qreal offset = (row % 2) ? dx : 0.0;
        for (qreal cx = -g.radius - 2 * dx + offset; cx < g.radius + 2 * dx; cx += 2 * dx) {
            const QPointF c(cx, cy), top(cx, cy - dy), right(cx + dx, cy), bottom(cx, cy + dy),
                left(cx - dx, cy);
            auto tri = [&](QPointF a, QPointF b, const QColor& colour) {
                QPolygonF poly{c, a, b};
                p.setBrush(colour);
                p.drawPolygon(poly);
            };
            tri(left, top, ArtColour::withAlpha(light, lit ? 0.28 : 0.30));
            tri(top, right, ArtColour::withAlpha(light, lit ? 0.10 : 0.08));
            tri(right, bottom, ArtColour::withAlpha(shade, lit ? 0.10 : 0.30));
            tri(bottom, left, ArtColour::withAlpha(shade, lit ? 0.02 : 0.12));
            p.setBrush(ArtColour::withAlpha(lit ? QColor(255, 255, 230)
                                                : ArtColour::scaled(hue.glass, 1.9),
                                            lit ? 0.55 : 0.45));
            p.drawEllipse(c, 0.55, 0.55);
        }
    }
    p.restore();
}

void paintGlass(QPainter& p, GarlandBulbShape shape, const BulbGeometry& g, const GarlandHue& hue,
                bool lit)
{
    const QPainterPath body = glassPath(shape, g);
    const qreal R = g.radius, L = g.length, y0 = g.glassTop;
    const qreal belly = y0 + (shape == GarlandBulbShape::Strawberry ? 0.42 : 0.52) * L;

    // Body: lit glass glows from a hot middle out to saturated edges; unlit
    // glass is the same colour, dark and a little see-through.
    QRadialGradient fill(QPointF(-0.2 * R, belly - 0.05 * L), 1.25 * std::max(R, 0.55 * L));
    if (lit) {
        fill.setColorAt(0.0, hue.core);
        fill.setColorAt(0.28, ArtColour::mix(hue.core, hue.glass, 0.55));
        fill.setColorAt(0.62, hue.glass);
        fill.setColorAt(1.0, ArtColour::scaled(hue.glass, 0.78));
    } else {
        // Clear glass (the white string) stays pale and lets the desktop through.
        const bool clear = shape == GarlandBulbShape::Mini;
        fill.setColorAt(0.0, ArtColour::withAlpha(ArtColour::scaled(hue.glass, clear ? 0.92 : 0.72),
                                                  clear ? 0.62 : 0.93));
        fill.setColorAt(0.55,
                        ArtColour::withAlpha(ArtColour::scaled(hue.glass, clear ? 0.78 : 0.48),
                                             clear ? 0.55 : 0.93));
        fill.setColorAt(1.0, ArtColour::withAlpha(ArtColour::scaled(hue.glass, clear ? 0.5 : 0.26),
                                                  clear ? 0.8 : 0.95));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(body);

    // Rounded glass darkens towards its sides.
    {
        p.save();
        p.setClipPath(body, Qt::IntersectClip);
        QLinearGradient side(QPointF(-R, 0), QPointF(R, 0));
        side.setColorAt(0.0, QColor(0, 0, 0, lit ? 40 : 90));
        side.setColorAt(0.3, QColor(0, 0, 0, 0));
        side.setColorAt(0.7, QColor(0, 0, 0, 0));
        side.setColorAt(1.0, QColor(0, 0, 0, lit ? 60 : 110));
        p.setBrush(side);
        p.drawRect(QRectF(-R - 1, y0, 2 * R + 2, L + 1));
        p.restore();
    }

    if (shape == GarlandBulbShape::Strawberry)
        paintFacets(p, body, g, lit, hue);

    if (lit) {
        // The filament's white heat in the middle of the glass.
        paintHalo(p, QPointF(0, belly), 0.55 * R, 0.28 * L, QColor(255, 255, 240), 0.85);
    } else if (shape == GarlandBulbShape::Mini) {
        // Clear glass shows its filament when switched off.
        p.setPen(QPen(QColor(90, 80, 70, 200), 0.35));
        p.setBrush(Qt::NoBrush);
        QPainterPath wire;
        wire.moveTo(-0.9, y0);
        wire.lineTo(-0.9, belly - 1.2);
        wire.quadTo(0, belly + 0.8, 0.9, belly - 1.2);
        wire.lineTo(0.9, y0);
        p.drawPath(wire);
        p.setPen(Qt::NoPen);
    }

    // Rim of the glass.
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(ArtColour::withAlpha(ArtColour::scaled(hue.glass, lit ? 0.7 : 0.25), lit ? 0.55 : 0.8),
             0.45));
    p.drawPath(body);
    p.setPen(Qt::NoPen);

    // Window light caught on the glass: a soft streak down each flank and a
    // glint by the neck, mirrored across the bulb's axis, so the glass reads
    // the same on every edge the bulb is turned to.
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 0.5 * R, y0 + 0.42 * L);
        QRadialGradient streak(QPointF(0, 0), 1.0);
        streak.setColorAt(0.0, QColor(255, 255, 255, lit ? 150 : 140));
        streak.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.scale(0.17 * R, 0.26 * L);
        p.setBrush(streak);
        p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        p.restore();
        p.setBrush(QColor(255, 255, 255, lit ? 200 : 185));
        p.drawEllipse(QPointF(side * 0.36 * R, y0 + 0.17 * L), 0.08 * R + 0.25, 0.08 * R + 0.25);
    }
    if (!lit) {
        // A faint reflection on the far side keeps the dark glass round.
        p.save();
        p.setClipPath(body, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ArtColour::withAlpha(ArtColour::scaled(hue.glass, 1.5), 0.45), 0.7));
        p.drawArc(QRectF(-0.9 * R, belly - 0.4 * L, 1.7 * R, 0.8 * L), -60 * 16, 70 * 16);
        p.restore();
    }
}

void paintSocket(QPainter& p, GarlandBulbShape shape, const BulbGeometry& g)
{
    const qreal half = g.socketHalf, top = g.socketTop, end = g.socketEnd;
    QLinearGradient plastic(QPointF(-half, 0), QPointF(half, 0));
    plastic.setColorAt(0.0, QColor(8, 30, 14));
    plastic.setColorAt(0.32, QColor(58, 118, 70));
    plastic.setColorAt(0.5, QColor(32, 84, 44));
    plastic.setColorAt(1.0, QColor(8, 28, 12));
    p.setPen(QPen(QColor(6, 22, 10, 200), 0.4));
    p.setBrush(plastic);
    QPainterPath cap;
    // Slightly narrower at the top where the wire enters.
    cap.moveTo(-half * 0.8, top);
    cap.lineTo(half * 0.8, top);
    cap.quadTo(half, top, half, top + 1.0);
    cap.lineTo(half * 0.92, end);
    cap.lineTo(-half * 0.92, end);
    cap.lineTo(-half, top + 1.0);
    cap.quadTo(-half, top, -half * 0.8, top);
    cap.closeSubpath();
    p.drawPath(cap);
    // Moulded rings on the socket.
    p.setPen(QPen(QColor(4, 18, 8, 150), 0.35));
    for (qreal y = top + 2.2; y < end - 0.8; y += 2.0)
        p.drawLine(QPointF(-half * 0.9, y), QPointF(half * 0.9, y));
    p.setPen(Qt::NoPen);

    if (shape == GarlandBulbShape::Strawberry) {
        // Five pointed leaves over the shoulders: the strawberry's calyx.
        const qreal angles[] = {-72, -36, 0, 36, 72};
        for (qreal angle : angles) {
            p.save();
            p.translate(0, end - 0.8);
            p.rotate(angle);
            QPainterPath leaf;
            leaf.moveTo(-2.1, 0);
            leaf.quadTo(-2.0, 4.0, 0, 7.0);
            leaf.quadTo(2.0, 4.0, 2.1, 0);
            leaf.closeSubpath();
            QLinearGradient green(QPointF(-2.1, 0), QPointF(2.1, 0));
            green.setColorAt(0.0, QColor(24, 84, 30));
            green.setColorAt(0.4, QColor(92, 176, 80));
            green.setColorAt(1.0, QColor(20, 72, 28));
            p.setBrush(green);
            p.setPen(QPen(QColor(8, 36, 14, 180), 0.3));
            p.drawPath(leaf);
            p.restore();
        }
        p.setPen(Qt::NoPen);
    }
}

void strokeWire(QPainter& p, const QPainterPath& path, int tile)
{
    const qreal width = tile >= 48 ? 2.2 : 1.6;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GarlandPalette::wireDark(), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    // Short light dashes read as the twist of a two-strand wire; the dash
    // period divides the square so neighbouring pieces continue the twist.
    QPen twist(ArtColour::withAlpha(GarlandPalette::wireLight(), 0.85), width * 0.42,
               Qt::CustomDashLine, Qt::FlatCap);
    const qreal period = tile >= 48 ? 3.0 : 4.0;
    const qreal unit = width * 0.42;
    twist.setDashPattern({(period * 0.6) / unit, (period * 0.4) / unit});
    p.setPen(twist);
    p.translate(0, -width * 0.18);
    p.drawPath(path);
    p.translate(0, width * 0.18);
    p.setPen(Qt::NoPen);
}

} // namespace

QImage paintGarlandBulb(GarlandBulbShape shape, const GarlandHue& hue, bool lit, bool corner)
{
    const BulbGeometry g = geometryOf(shape);
    const qreal T = g.tile, c = g.wire;
    // A corner reaches half a piece further along both edges: the window
    // centres the straight pieces between the corners, and the gap it leaves
    // on each side (up to half a piece) is bridged by the corner's wire.
    const qreal reachOn = corner ? T / 2 : 0.0;
    GarlandSurface surface(QSize(g.tile, g.tile) + QSize(int(reachOn), int(reachOn)), 4);
    QPainter p;
    surface.begin(p);
    p.translate(0, reachOn);

    const QPointF origin = corner ? g.cornerOrigin : g.straightOrigin;
    const qreal angle = corner ? 45.0 : 0.0; // the bulb's axis, clockwise from straight down
    const qreal rad = qDegreesToRadians(angle);
    const QPointF axis(-std::sin(rad), std::cos(rad));
    const qreal belly = g.glassTop + 0.5 * g.length;
    const QPointF glassCentre = origin + axis * belly;

    if (lit) {
        // The halo fades out before the sides of the square so neighbouring
        // bulbs never show a seam in their light.
        const qreal reach = corner ? 0.46 * T : 0.5 * T;
        paintHalo(p, glassCentre, reach, reach, hue.halo, 0.8);
        paintHalo(p, glassCentre, reach * 0.5, reach * 0.55, hue.halo, 0.6);
    }

    QPainterPath wire;
    if (corner) {
        const QPointF entry = origin + axis * (g.socketTop + 1.5);
        wire.moveTo(T - c, -reachOn);
        wire.lineTo(T - c, 0);
        wire.cubicTo(T - c, entry.y() * 0.55, entry.x() + 0.075 * T, entry.y() - 0.1 * T, entry.x(),
                     entry.y());
        wire.moveTo(T + reachOn, c);
        wire.lineTo(T, c);
        wire.cubicTo(T - 0.18 * T, c, entry.x() + 0.1 * T, entry.y() - 0.04 * T, entry.x(),
                     entry.y());
    } else {
        wire.moveTo(0, c);
        wire.quadTo(T / 2, c + 0.8, T, c);
    }
    strokeWire(p, wire, g.tile);

    p.save();
    p.translate(origin);
    p.rotate(angle);
    paintGlass(p, shape, g, hue, lit);
    paintSocket(p, shape, g);
    p.restore();

    p.end();
    return surface.result();
}

QImage paintWhiteWire()
{
    const BulbGeometry g = geometryOf(GarlandBulbShape::Mini);
    GarlandSurface surface(QSize(kWhiteWireLength, g.tile), 4);
    QPainter p;
    surface.begin(p);
    QPainterPath wire;
    wire.moveTo(-1.0, g.wire);
    wire.lineTo(kWhiteWireLength + 1.0, g.wire);
    strokeWire(p, wire, g.tile);
    p.end();
    return surface.result();
}

QImage paintWhiteWireBend(bool rightCorner)
{
    const BulbGeometry g = geometryOf(GarlandBulbShape::Mini);
    const qreal T = g.tile, c = g.wire;
    GarlandSurface surface(QSize(g.tile, g.tile), 4);
    QPainter p;
    surface.begin(p);
    if (rightCorner) {
        p.translate(T, 0);
        p.scale(-1, 1);
    }
    // Down the side's line, then a quarter turn into the row's wire right
    // beside the corner bulb's socket, which it seems to enter.
    const qreal side = T - c;
    const qreal socketSide = g.straightOrigin.x() + g.socketHalf;
    const qreal radius = side - socketSide - 1.0;
    QPainterPath wire;
    wire.moveTo(side, -1.0);
    wire.lineTo(side, c - radius);
    wire.quadTo(side, c, side - radius, c);
    wire.lineTo(socketSide - 1.0, c);
    strokeWire(p, wire, g.tile);
    p.end();
    return surface.result();
}
