#include "GarlandPine.h"

#include "ArtColour.h"
#include "ArtRandom.h"
#include "GarlandLight.h"
#include "GarlandOverlap.h"
#include "GarlandPalette.h"
#include "GarlandSurface.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace {

constexpr int kTile = 48;
constexpr int kTileStep = 36; // branch tiles overlap by 12 pixels
constexpr QSize kSwagSize(480, 96);
constexpr int kSwagStep = 444; // swags overlap by 36 pixels
constexpr qreal kSwagRopeY = 40.0;
constexpr int kSwagLights = 8;

// A rope of needles along one axis. Needles are generated for one period
// and repeated one period before and after, so where two pieces overlap by
// the difference between their size and their step they show the very same
// needles and no seam appears.
struct RopeLayout {
    bool horizontal; // the rope runs along x (swag) or along y (branch tile)
    qreal across;    // centre of the rope across its run
    qreal halfWidth; // how far needle bases may lie from the centre line
    qreal period;    // repeat distance along the rope
    qreal minAcross; // needle tips stay between these two, so no
    qreal maxAcross; //   needle is cut by a side of the picture
    int needlesPerPeriod;
    qreal minLength;
    qreal maxLength;
};

void paintNeedle(QPainter& p, QPointF base, QPointF tip, qreal width, const QColor& colour)
{
    const QPointF d = tip - base;
    const qreal len = std::hypot(d.x(), d.y());
    if (len < 0.5)
        return;
    const QPointF n(-d.y() / len, d.x() / len);
    QPainterPath needle;
    needle.moveTo(base + n * (width / 2));
    needle.lineTo(tip + n * 0.12);
    needle.lineTo(tip - n * 0.12);
    needle.lineTo(base - n * (width / 2));
    needle.closeSubpath();
    p.setBrush(colour);
    p.drawPath(needle);
}

void paintRope(QPainter& p, const RopeLayout& rope, std::uint64_t seed)
{
    p.setPen(Qt::NoPen);
    auto point = [&](qreal along, qreal across) {
        return rope.horizontal ? QPointF(along, across) : QPointF(across, along);
    };
    // The dark heart of the rope, so no light shows through the needles.
    {
        const qreal inner = rope.halfWidth + 0.35 * rope.minLength;
        QLinearGradient core(point(0, rope.across - inner), point(0, rope.across + inner));
        core.setColorAt(0.0, QColor(8, 34, 18, 0));
        core.setColorAt(0.25, QColor(8, 34, 18, 200));
        core.setColorAt(0.75, QColor(8, 34, 18, 200));
        core.setColorAt(1.0, QColor(8, 34, 18, 0));
        p.setBrush(core);
        const QRectF band = rope.horizontal ? QRectF(-10, rope.across - inner, 2000, 2 * inner)
                                            : QRectF(rope.across - inner, -10, 2 * inner, 2000);
        p.drawRect(band);
    }
    // Twigs of fir: each a short brown stalk with needles along both sides,
    // swept towards its tip, darker deep in the rope and brighter at the tips.
    struct Layer {
        QColor dark, light;
        qreal share, lengthScale;
    };
    const Layer layers[] = {
        {QColor(6, 34, 18), QColor(14, 58, 30), 0.40, 1.0},
        {QColor(20, 74, 38), QColor(38, 104, 52), 0.36, 0.9},
        {QColor(46, 116, 62), QColor(96, 160, 96), 0.24, 0.72},
    };
    ArtRandom random(seed);
    auto clampLength = [&](qreal fromAcross, qreal dAcross, qreal length) {
        const qreal tip = fromAcross + dAcross * length;
        if (tip < rope.minAcross && dAcross < 0)
            return std::max(0.0, (rope.minAcross - fromAcross) / dAcross);
        if (tip > rope.maxAcross && dAcross > 0)
            return std::max(0.0, (rope.maxAcross - fromAcross) / dAcross);
        return length;
    };
    for (const Layer& layer : layers) {
        const int twigs = int(rope.needlesPerPeriod * layer.share);
        for (int i = 0; i < twigs; ++i) {
            const qreal along = random.range(0, rope.period);
            const qreal offset = random.range(-rope.halfWidth, rope.halfWidth);
            // Mostly outwards from the rope, some along it.
            const qreal side = random.unit() < 0.5 ? -1.0 : 1.0;
            const qreal angle = side * random.range(0.25, 1.0) * (M_PI / 2);
            const qreal dAlong = std::cos(angle) * (random.unit() < 0.5 ? -1.0 : 1.0);
            const qreal dAcross = std::sin(angle);
            const qreal baseAcross = rope.across + offset;
            const qreal twigLength =
                clampLength(baseAcross, dAcross,
                            random.range(rope.minLength, rope.maxLength) * layer.lengthScale);
            const QColor dark = ArtColour::mix(layer.dark, layer.light, random.unit() * 0.5);
            const QColor bright =
                ArtColour::mix(layer.dark, layer.light, 0.5 + random.unit() * 0.5);
            const qreal sweep = random.range(0.5, 0.75);
            struct Needle {
                qreal a0, c0, a1, c1, width;
                QColor colour;
            };
            std::vector<Needle> needles;
            for (qreal t = 0.08; t <= 1.0; t += 0.09) {
                const qreal a = along + dAlong * twigLength * t;
                const qreal c = baseAcross + dAcross * twigLength * t;
                const qreal needleLength = (6.4 - 2.6 * t) * random.range(0.8, 1.15);
                for (qreal turn : {-sweep, sweep}) {
                    const qreal nAlong = dAlong * std::cos(turn) - dAcross * std::sin(turn);
                    const qreal nAcross = dAlong * std::sin(turn) + dAcross * std::cos(turn);
                    const qreal len = clampLength(c, nAcross, needleLength);
                    needles.push_back({a, c, a + nAlong * len, c + nAcross * len,
                                       random.range(0.5, 0.7), ArtColour::mix(dark, bright, t)});
                }
            }
            // The tip needle straight on.
            needles.push_back(
                {along + dAlong * twigLength, baseAcross + dAcross * twigLength,
                 along + dAlong * (twigLength + 2.5),
                 baseAcross +
                     dAcross * clampLength(baseAcross + dAcross * twigLength, dAcross, 2.5) +
                     dAcross * twigLength,
                 0.8, bright});
            for (int repeat = -1; repeat <= 1; ++repeat) {
                const qreal shift = repeat * rope.period;
                p.setPen(QPen(QColor(58, 40, 22, 200), 0.55, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(point(along + shift, baseAcross),
                           point(along + shift + dAlong * twigLength * 0.9,
                                 baseAcross + dAcross * twigLength * 0.9));
                p.setPen(Qt::NoPen);
                for (const Needle& n : needles)
                    paintNeedle(p, point(n.a0 + shift, n.c0), point(n.a1 + shift, n.c1), n.width,
                                n.colour);
            }
        }
    }
}

// A small light with a warm white glass, used on the branches and the swag.
// It is drawn with its socket at the origin, pointing along +y.
void paintSmallLight(QPainter& p, QPointF socket, qreal angle, bool lit)
{
    const GarlandHue hue = GarlandPalette::warmWhite();
    p.save();
    p.translate(socket);
    p.rotate(angle);
    p.scale(1.3, 1.3);
    const QPointF centre(0, 6.2);
    if (lit) {
        paintHalo(p, centre, 13.0, 13.0, hue.halo, 0.8);
        paintHalo(p, centre, 6.5, 6.5, QColor(255, 240, 200), 0.7);
    }
    // Socket.
    QLinearGradient plastic(QPointF(-2.2, 0), QPointF(2.2, 0));
    plastic.setColorAt(0.0, QColor(8, 30, 14));
    plastic.setColorAt(0.35, QColor(56, 112, 66));
    plastic.setColorAt(1.0, QColor(8, 28, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(plastic);
    p.drawRoundedRect(QRectF(-2.2, -1.5, 4.4, 4.6), 0.8, 0.8);
    // Glass: a small round-bellied bulb.
    QPainterPath glass;
    glass.moveTo(-1.6, 2.8);
    glass.cubicTo(-1.7, 3.8, -3.4, 4.2, -3.4, 6.6);
    glass.cubicTo(-3.4, 9.0, -1.4, 10.4, 0, 10.4);
    glass.cubicTo(1.4, 10.4, 3.4, 9.0, 3.4, 6.6);
    glass.cubicTo(3.4, 4.2, 1.7, 3.8, 1.6, 2.8);
    glass.closeSubpath();
    QRadialGradient fill(QPointF(-0.6, 6.0), 4.6);
    if (lit) {
        fill.setColorAt(0.0, QColor(255, 255, 250));
        fill.setColorAt(0.5, QColor(255, 246, 214));
        fill.setColorAt(1.0, QColor(250, 214, 150));
    } else {
        fill.setColorAt(0.0, QColor(210, 206, 196, 225));
        fill.setColorAt(0.6, QColor(150, 146, 138, 225));
        fill.setColorAt(1.0, QColor(96, 92, 86, 235));
    }
    p.setBrush(fill);
    p.setPen(QPen(lit ? QColor(230, 190, 120, 160) : QColor(60, 58, 54, 200), 0.35));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, lit ? 230 : 220));
    p.drawEllipse(QPointF(-1.4, 5.3), 0.7, 1.0);
    if (!lit) {
        // A glint of the filament behind the clear glass.
        p.setPen(QPen(QColor(70, 60, 50, 180), 0.3));
        p.drawLine(QPointF(-0.6, 4.0), QPointF(-0.3, 7.0));
        p.drawLine(QPointF(0.6, 4.0), QPointF(0.3, 7.0));
    }
    p.restore();
}

void paintBow(QPainter& p, QPointF knot)
{
    p.save();
    p.translate(knot);
    const QColor ribbon(196, 16, 30), deep(110, 6, 16), shine(255, 120, 120);
    auto loop = [&](qreal side) {
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(side * 4, -9, side * 13, -9, side * 12.5, -2);
        path.cubicTo(side * 12, 4, side * 4, 3, 0, 0);
        QLinearGradient g(QPointF(0, -8), QPointF(0, 4));
        g.setColorAt(0.0, shine);
        g.setColorAt(0.45, ribbon);
        g.setColorAt(1.0, deep);
        p.setBrush(g);
        p.setPen(QPen(deep, 0.5));
        p.drawPath(path);
        // Inner fold of the loop.
        QPainterPath fold;
        fold.moveTo(side * 2, -0.5);
        fold.cubicTo(side * 5, -4, side * 9, -4.5, side * 10.5, -2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 0, 10, 150), 0.7));
        p.drawPath(fold);
    };
    auto tail = [&](qreal side) {
        QPainterPath path;
        path.moveTo(-1.5 * side, 1);
        path.cubicTo(side * 2, 6, side * 5, 11, side * 6, 18);
        path.lineTo(side * 8.5, 15.5);
        path.lineTo(side * 9.5, 19.5);
        path.cubicTo(side * 7, 11, side * 4, 5, side * 2, 0);
        path.closeSubpath();
        QLinearGradient g(QPointF(0, 0), QPointF(side * 8, 18));
        g.setColorAt(0.0, ribbon);
        g.setColorAt(1.0, deep);
        p.setBrush(g);
        p.setPen(QPen(deep, 0.45));
        p.drawPath(path);
    };
    tail(-1);
    tail(1);
    loop(-1);
    loop(1);
    QRadialGradient knotShade(QPointF(-0.8, -1.0), 3.5);
    knotShade.setColorAt(0.0, shine);
    knotShade.setColorAt(1.0, deep);
    p.setBrush(knotShade);
    p.setPen(QPen(deep, 0.4));
    p.drawRoundedRect(QRectF(-2.6, -2.8, 5.2, 5.4), 1.6, 1.6);
    p.restore();
}

QPointF chainPoint(qreal from, qreal to, qreal t)
{
    // A bead chain sagging between two bows.
    const qreal x = from + (to - from) * t;
    const qreal y = kSwagRopeY + 9.0 + 20.0 * 4.0 * t * (1.0 - t);
    return {x, y};
}

void paintBeadChain(QPainter& p, qreal from, qreal to)
{
    p.setPen(Qt::NoPen);
    const int beads = 38;
    for (int i = 1; i < beads; ++i) {
        const QPointF c = chainPoint(from, to, qreal(i) / beads);
        QRadialGradient gold(c + QPointF(-0.4, -0.45), 1.4);
        gold.setColorAt(0.0, QColor(255, 246, 190));
        gold.setColorAt(0.5, QColor(226, 176, 60));
        gold.setColorAt(1.0, QColor(120, 80, 16));
        p.setBrush(gold);
        p.drawEllipse(c, 1.25, 1.25);
    }
}

void paintBauble(QPainter& p, QPointF hook, const QColor& colour)
{
    const qreal r = 7.5;
    const QPointF centre = hook + QPointF(0, 6 + r);
    p.setPen(QPen(QColor(200, 170, 90, 220), 0.5));
    p.drawLine(hook, hook + QPointF(0, 4.5));
    p.setPen(Qt::NoPen);
    QRadialGradient glass(centre + QPointF(-0.35 * r, -0.4 * r), 1.5 * r);
    glass.setColorAt(0.0, ArtColour::mix(colour, Qt::white, 0.65));
    glass.setColorAt(0.3, colour);
    glass.setColorAt(1.0, ArtColour::mix(colour, Qt::black, 0.75));
    p.setBrush(glass);
    p.drawEllipse(centre, r, r);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(centre + QPointF(-0.38 * r, -0.42 * r), 0.18 * r, 0.14 * r);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(centre + QPointF(0.35 * r, 0.4 * r), 0.22 * r, 0.14 * r);
    QLinearGradient cap(hook + QPointF(-2, 0), hook + QPointF(2, 0));
    cap.setColorAt(0.0, QColor(120, 90, 30));
    cap.setColorAt(0.4, QColor(250, 226, 150));
    cap.setColorAt(1.0, QColor(110, 80, 24));
    p.setBrush(cap);
    p.drawRoundedRect(QRectF(hook.x() - 2, hook.y() + 4.2, 4, 2.6), 0.6, 0.6);
}

void paintPineCone(QPainter& p, QPointF top, qreal tilt)
{
    p.save();
    p.translate(top);
    p.rotate(tilt);
    QPainterPath body;
    body.moveTo(0, 0);
    body.cubicTo(-4.5, 1, -4.2, 9, 0, 12.5);
    body.cubicTo(4.2, 9, 4.5, 1, 0, 0);
    QLinearGradient brown(QPointF(-4, 0), QPointF(4, 0));
    brown.setColorAt(0.0, QColor(70, 38, 16));
    brown.setColorAt(0.4, QColor(150, 96, 50));
    brown.setColorAt(1.0, QColor(60, 32, 12));
    p.setBrush(brown);
    p.setPen(QPen(QColor(50, 26, 10), 0.4));
    p.drawPath(body);
    // Scales.
    p.setPen(QPen(QColor(48, 24, 8, 200), 0.45));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 5; ++row) {
        const qreal y = 2.0 + row * 2.1;
        const qreal half = 3.4 - std::abs(row - 1.5) * 0.55;
        p.drawArc(QRectF(-half, y - 1.2, half, 2.4), 180 * 16, 180 * 16);
        p.drawArc(QRectF(0, y - 1.2, half, 2.4), 180 * 16, 180 * 16);
    }
    p.restore();
}

qreal swagLightX(int i)
{
    return 36.0 + kSwagStep / (2.0 * kSwagLights) + i * (qreal(kSwagStep) / kSwagLights);
}

} // namespace

QImage paintPineBranch()
{
    GarlandSurface surface(QSize(kTile, kTile), 4);
    QPainter p;
    surface.begin(p);
    const RopeLayout rope{false, 24.0, 4.0, kTileStep, 1.0, 47.0, 44, 10.0, 19.0};
    paintRope(p, rope, 0x9a1e5eedull);
    p.end();
    QImage tile = surface.result();
    shareGarlandOverlap(tile, Qt::Vertical, kTile - kTileStep);
    return tile;
}

QImage paintPineLight(bool lit)
{
    GarlandSurface surface(QSize(kTile, kTile), 4);
    QPainter p;
    surface.begin(p);
    // Stored on the left edge: the light sits on the rope and points into the screen.
    paintSmallLight(p, QPointF(17.0, 24.0), -90.0, lit);
    p.end();
    return surface.result();
}

QImage paintPineSwag()
{
    GarlandSurface surface(kSwagSize, 3);
    QPainter p;
    surface.begin(p);
    // Chains first: they hang behind the rope.
    for (int k = -1; k <= 3; ++k)
        paintBeadChain(p, 36.0 + 111.0 * k, 36.0 + 111.0 * (k + 1));
    const RopeLayout rope{true, kSwagRopeY, 6.0, kSwagStep, 1.0, 95.0, 620, 11.0, 21.0};
    paintRope(p, rope, 0x5a6e11edull);
    const QColor baubleColours[] = {QColor(200, 20, 36), QColor(226, 170, 40), QColor(30, 70, 200),
                                    QColor(190, 196, 210)};
    // The fifth bow and its cones belong to the next swag; their near half
    // is repeated here so that both swags show the same thing where they overlap.
    for (int k = 0; k <= 4; ++k) {
        const qreal bow = 36.0 + 111.0 * k;
        paintPineCone(p, QPointF(bow - 7, kSwagRopeY + 8), 14);
        paintPineCone(p, QPointF(bow + 7, kSwagRopeY + 9), -12);
        if (k < 4)
            paintBauble(p, chainPoint(bow, bow + 111.0, 0.5), baubleColours[k]);
    }
    for (int k = 0; k <= 4; ++k)
        paintBow(p, QPointF(36.0 + 111.0 * k, kSwagRopeY + 4));
    p.end();
    QImage swag = surface.result();
    shareGarlandOverlap(swag, Qt::Horizontal, kSwagSize.width() - kSwagStep);
    return swag;
}

QImage paintPineSwagLights(bool lit)
{
    GarlandSurface surface(kSwagSize, 3);
    QPainter p;
    surface.begin(p);
    for (int i = 0; i < kSwagLights; ++i)
        paintSmallLight(p, QPointF(swagLightX(i), kSwagRopeY + 3), 0.0, lit);
    p.end();
    return surface.result();
}
