// Scenes by the fire: a mug of hot chocolate at the window, a bauble close
// up, baubles hung from a garland, and a winter landscape in a gilt frame.
#include "ArtRandom.h"
#include "LogonPainting.h"
#include "LogonScenes.h"
#include "LogonSoftLayer.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

using namespace logon;

namespace {

constexpr double kPi = std::numbers::pi;
const QRectF kFull(0, 0, kWidth, kHeight);

// A night view of snowy hills and firs, as seen through a window.
void nightView(QPainter& p, ArtRandom& rng, const QRectF& pane)
{
    p.save();
    p.setClipRect(pane);
    fillVertical(
        p, pane,
        {{0.0, QColor(10, 20, 52)}, {0.7, QColor(34, 60, 110)}, {1.0, QColor(70, 100, 150)}});
    stars(p, rng, pane.adjusted(0, 0, 0, -pane.height() * 0.4), 120, 0.8);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const QPointF moon(pane.left() + pane.width() * 0.72, pane.top() + pane.height() * 0.22);
    glow(p, moon, 160, QColor(90, 110, 150, 130));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 225));
    p.drawEllipse(moon, 30, 30);
    const double horizon = pane.top() + pane.height() * 0.68;
    QPainterPath land =
        hills(rng, pane.left() - 10, pane.right() + 10, horizon, 30, 2, pane.bottom() + 10);
    fillPathVertical(p, land, horizon - 30, pane.bottom(),
                     {{0.0, QColor(180, 200, 230)}, {1.0, QColor(110, 130, 175)}});
    for (int i = 0; i < 18; ++i)
        snowyFir(p, rng, QPointF(rng.range(pane.left(), pane.right()), horizon + rng.range(-5, 40)),
                 rng.range(70, 170), QColor(18, 34, 52), QColor(190, 205, 232), 0.6);
    snowDots(p, rng, pane, 260, 0.8, 3.0, 0.35, 0.9);
    p.restore();
}

// Frost creeping in from the corners of a pane.
void paneFrost(QPainter& p, ArtRandom& rng, const QRectF& pane)
{
    p.save();
    p.setClipRect(pane);
    const QPointF corners[] = {pane.topLeft(), pane.topRight(), pane.bottomLeft(),
                               pane.bottomRight()};
    for (const QPointF& c : corners)
        glow(p, c, pane.width() * 0.45, QColor(225, 235, 250, 110));
    for (int i = 0; i < 16; ++i) {
        const QPointF c = corners[rng.below(4)];
        const QPointF at =
            c + QPointF((c.x() < pane.center().x() ? 1 : -1) * rng.range(5, pane.width() * 0.22),
                        (c.y() < pane.center().y() ? 1 : -1) * rng.range(5, pane.height() * 0.2));
        snowCrystal(p, at, rng.range(6, 16), rng.range(0, 60), QColor(235, 242, 255, 150), 1.2);
    }
    p.restore();
}

void hangingString(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath line(from);
    line.quadTo(QPointF((from.x() + to.x()) / 2 + 6, (from.y() + to.y()) / 2), to);
    p.drawPath(line);
    p.restore();
}

} // namespace

QImage paintHotChocolate()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(601);
    fillVertical(p, kFull,
                 {{0.0, QColor(46, 24, 14)}, {0.7, QColor(70, 38, 20)}, {1.0, QColor(50, 26, 14)}});

    // The window, its four panes and the wooden frame.
    const QRectF window(110, 40, 1000, 700);
    const double bar = 30;
    const QRectF glass = window.adjusted(bar, bar, -bar, -bar);
    nightView(p, rng, glass);
    const double midX = glass.center().x(), midY = glass.center().y();
    const QRectF panes[] = {
        QRectF(glass.left(), glass.top(), midX - glass.left(), midY - glass.top()),
        QRectF(midX, glass.top(), glass.right() - midX, midY - glass.top()),
        QRectF(glass.left(), midY, midX - glass.left(), glass.bottom() - midY),
        QRectF(midX, midY, glass.right() - midX, glass.bottom() - midY)};
    for (const QRectF& pane : panes)
        paneFrost(p, rng, pane.adjusted(bar / 2, bar / 2, -bar / 2, -bar / 2));
    QPainterPath frame;
    frame.addRect(window);
    QPainterPath holes;
    for (const QRectF& pane : panes)
        holes.addRect(pane.adjusted(bar / 2, bar / 2, -bar / 2, -bar / 2));
    frame = frame.subtracted(holes);
    fillPathVertical(p, frame, window.top(), window.bottom(),
                     {{0.0, QColor(120, 70, 40)}, {1.0, QColor(86, 48, 26)}});
    p.strokePath(frame, QPen(QColor(50, 26, 12), 2));
    fillVertical(p, QRectF(window.left() - 30, window.bottom() - 6, window.width() + 60, 34),
                 {{0.0, QColor(140, 84, 48)}, {1.0, QColor(80, 42, 22)}});

    // Fairy lights strung along the top of the window.
    {
        QPainterPath wire(QPointF(window.left() - 20, window.top() + 10));
        for (int k = 0; k < 4; ++k) {
            const double x0 = window.left() - 20 + (window.width() + 40) * k / 4.0;
            const double x1 = window.left() - 20 + (window.width() + 40) * (k + 1) / 4.0;
            wire.quadTo(QPointF((x0 + x1) / 2, window.top() + 110), QPointF(x1, window.top() + 10));
        }
        p.setPen(QPen(QColor(30, 40, 20), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wire);
        const QColor warm[] = {QColor(255, 200, 110), QColor(255, 150, 80), QColor(255, 225, 160)};
        for (int k = 0; k <= 28; ++k) {
            const QPointF at = wire.pointAtPercent(k / 28.0);
            const QColor c = warm[k % 3];
            p.setCompositionMode(QPainter::CompositionMode_Plus);
            glow(p, at + QPointF(0, 10), 48, withAlpha(c, 0.55));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setPen(Qt::NoPen);
            p.setBrush(c.lighter(130));
            p.drawEllipse(at + QPointF(0, 10), 6, 9);
        }
    }

    // The table.
    const double tableTop = 800;
    fillVertical(
        p, QRectF(0, tableTop, kWidth, kHeight - tableTop),
        {{0.0, QColor(112, 64, 34)}, {0.5, QColor(84, 46, 24)}, {1.0, QColor(54, 28, 14)}});
    p.setPen(QPen(QColor(60, 30, 14, 90), 2));
    for (int k = 0; k < 14; ++k) {
        const double y = tableTop + 10 + k * k * 1.5 + k * 4;
        p.drawLine(QPointF(0, y), QPointF(kWidth, y + rng.range(-4, 4)));
    }
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(1300, 700), 900, QColor(110, 60, 20, 90));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Gingerbread stars beside the mug.
    for (const auto& [centre, angle] :
         {std::pair{QPointF(760, 925), 0.2}, std::pair{QPointF(920, 975), -0.35}}) {
        p.save();
        p.translate(centre);
        p.scale(1.0, 0.55);
        p.fillPath(starPath(QPointF(6, 10), 92, 48, angle), QColor(30, 14, 6, 120));
        p.fillPath(starPath(QPointF(0, 0), 90, 46, angle), QColor(170, 96, 44));
        p.strokePath(starPath(QPointF(0, 0), 74, 37, angle),
                     QPen(QColor(250, 245, 235), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.restore();
    }

    // The mug.
    const double cx = 1360, rimY = 560, bottomY = 900, rx = 200, ry = 52;
    {
        LogonSoftLayer shadow(2);
        shadow.painter().setPen(Qt::NoPen);
        shadow.painter().setBrush(QColor(20, 8, 2, 170));
        shadow.painter().drawEllipse(QPointF(cx + 40, bottomY + 8), rx * 1.25, ry * 1.1);
        drawLayer(p, shadow.finish(5));
    }
    QPainterPath handle(QPointF(cx + rx - 20, rimY + 70));
    handle.cubicTo(QPointF(cx + rx + 170, rimY + 40), QPointF(cx + rx + 170, bottomY - 90),
                   QPointF(cx + rx - 25, bottomY - 80));
    p.strokePath(handle, QPen(QColor(110, 12, 18), 52, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(handle, QPen(QColor(170, 30, 36), 34, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(handle.translated(-4, -4),
                 QPen(QColor(230, 110, 110, 110), 8, Qt::SolidLine, Qt::RoundCap));

    QPainterPath body(QPointF(cx - rx, rimY));
    body.lineTo(cx - rx * 0.96, bottomY);
    body.arcTo(QRectF(cx - rx * 0.96, bottomY - ry, 2 * rx * 0.96, 2 * ry), 180, 180);
    body.lineTo(cx + rx, rimY);
    body.closeSubpath();
    QLinearGradient round(cx - rx, 0, cx + rx, 0);
    round.setColorAt(0.0, QColor(90, 8, 14));
    round.setColorAt(0.22, QColor(200, 40, 44));
    round.setColorAt(0.32, QColor(235, 110, 105));
    round.setColorAt(0.42, QColor(196, 34, 40));
    round.setColorAt(0.85, QColor(120, 12, 20));
    round.setColorAt(1.0, QColor(70, 4, 10));
    p.fillPath(body, round);
    // A band of snowflakes round the mug, turning away at the sides.
    p.save();
    p.setClipPath(body);
    const double bandY = rimY + 150;
    for (int k = 0; k < 9; ++k) {
        const double a = -kPi / 2 + kPi * (k + 0.5) / 9;
        const double x = cx + std::sin(a) * rx * 0.95;
        const double squash = std::cos(a);
        p.save();
        p.translate(x, bandY + ry * 0.3 * squash);
        p.scale(std::max(0.15, squash), 1.0);
        snowCrystal(p, QPointF(0, 0), 34, 0, QColor(250, 240, 235, int(200 * (0.4 + 0.6 * squash))),
                    4);
        p.restore();
    }
    p.setPen(QPen(QColor(250, 240, 235, 200), 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - rx, bandY - 60 - ry, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
    p.drawArc(QRectF(cx - rx, bandY + 60 - ry, 2 * rx, 2 * ry), 180 * 16, 180 * 16);
    p.restore();

    const QRectF rim(cx - rx, rimY - ry, 2 * rx, 2 * ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 80, 80));
    p.drawEllipse(rim);
    const QRectF inner = rim.adjusted(14, 10, -14, -8);
    QLinearGradient wall(inner.topLeft(), inner.bottomLeft());
    wall.setColorAt(0.0, QColor(230, 220, 210));
    wall.setColorAt(1.0, QColor(160, 140, 130));
    p.setBrush(wall);
    p.drawEllipse(inner);
    QPainterPath innerPath;
    innerPath.addEllipse(inner);
    QPainterPath drink;
    drink.addEllipse(inner.adjusted(2, 16, -2, 4));
    drink = drink.intersected(innerPath);
    QRadialGradient cocoa(inner.center() + QPointF(-60, 0), inner.width() * 0.6);
    cocoa.setColorAt(0.0, QColor(130, 72, 40));
    cocoa.setColorAt(1.0, QColor(70, 34, 16));
    p.fillPath(drink, cocoa);

    // A candy cane leaning in the drink.
    {
        QPainterPath cane(QPointF(cx - 60, rimY + 8));
        cane.lineTo(cx - 150, rimY - 330);
        cane.cubicTo(QPointF(cx - 170, rimY - 420), QPointF(cx - 270, rimY - 410),
                     QPointF(cx - 272, rimY - 340));
        p.strokePath(cane, QPen(QColor(250, 246, 240), 30, Qt::SolidLine, Qt::RoundCap));
        QPen stripes(QColor(210, 20, 30), 30, Qt::CustomDashLine, Qt::FlatCap);
        stripes.setDashPattern({0.5, 0.7});
        p.save();
        QPainterPath caneArea =
            QPainterPathStroker(QPen(Qt::black, 30, Qt::SolidLine, Qt::RoundCap))
                .createStroke(cane);
        p.setClipPath(caneArea);
        p.strokePath(cane, stripes);
        p.restore();
        p.strokePath(cane.translated(-7, -3),
                     QPen(QColor(255, 255, 255, 120), 6, Qt::SolidLine, Qt::RoundCap));
    }

    // Marshmallows floating on the drink.
    {
        p.save();
        QPainterPath above = drink;
        above.addRect(
            QRectF(inner.left(), inner.top() - 200, inner.width(), inner.height() / 2 + 200));
        p.setClipPath(above.united(drink));
        // Little drums of marshmallow, half sunk, drawn back to front.
        struct Mallow {
            double x, y, angle, size;
        };
        const Mallow mallows[] = {{-70, -14, -10, 1.0}, {40, -18, 12, 0.95}, {110, -6, -6, 0.9},
                                  {-120, 2, 20, 0.85},  {-20, 0, -18, 1.05}, {70, 12, 8, 1.0},
                                  {-80, 18, 4, 0.95}};
        for (const Mallow& m : mallows) {
            p.save();
            p.translate(cx + m.x, rimY + m.y + 10);
            p.rotate(m.angle);
            p.scale(m.size, m.size);
            const double rxm = 32, rym = 15, rise = 20;
            p.setPen(Qt::NoPen);
            // The ring of cocoa the marshmallow pushes up.
            p.setBrush(QColor(50, 22, 8, 150));
            p.drawEllipse(QPointF(2, 4), rxm + 6, rym + 5);
            QLinearGradient side(-rxm, 0, rxm, 0);
            side.setColorAt(0.0, QColor(235, 222, 218));
            side.setColorAt(0.4, QColor(250, 244, 240));
            side.setColorAt(1.0, QColor(196, 172, 168));
            QPainterPath drum;
            drum.moveTo(-rxm, -rise);
            drum.lineTo(-rxm, 0);
            drum.arcTo(QRectF(-rxm, -rym, 2 * rxm, 2 * rym), 180, 180);
            drum.lineTo(rxm, -rise);
            drum.closeSubpath();
            p.fillPath(drum, side);
            QRadialGradient face(QPointF(-8, -rise - 4), rxm * 1.2);
            face.setColorAt(0.0, QColor(255, 255, 253));
            face.setColorAt(1.0, QColor(236, 226, 224));
            p.setBrush(face);
            p.drawEllipse(QPointF(0, -rise), rxm, rym);
            p.restore();
        }
        p.restore();
    }
    p.setPen(QPen(QColor(255, 170, 160, 140), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(rim.adjusted(2, 2, -2, -2), 200 * 16, 140 * 16);

    // Steam curling up from the drink.
    {
        LogonSoftLayer steam(2);
        QPainter& s = steam.painter();
        s.setBrush(Qt::NoBrush);
        const double lean[] = {-40, 30, -10};
        for (int w = 0; w < 3; ++w) {
            const double x0 = cx - 80 + w * 80 + rng.range(-15, 15);
            const double top = rimY - rng.range(380, 520);
            QPainterPath wisp(QPointF(x0, rimY - 20));
            wisp.cubicTo(QPointF(x0 - 60 + lean[w], rimY - 120),
                         QPointF(x0 + 70 + lean[w], rimY - 190), QPointF(x0 + lean[w], rimY - 270));
            wisp.cubicTo(QPointF(x0 - 60 + 2 * lean[w], rimY - 330),
                         QPointF(x0 + 40 + lean[w], top + 60), QPointF(x0 + 2 * lean[w], top));
            // Steam thins out as it rises.
            QLinearGradient fade(0, rimY, 0, top);
            fade.setColorAt(0.0, QColor(255, 245, 235, 70));
            fade.setColorAt(1.0, QColor(255, 245, 235, 0));
            s.setPen(QPen(QBrush(fade), 60 - w * 8, Qt::SolidLine, Qt::RoundCap));
            s.drawPath(wisp);
            s.setPen(QPen(QBrush(fade), 18, Qt::SolidLine, Qt::RoundCap));
            s.drawPath(wisp);
        }
        drawLayer(p, steam.finish(7), QPainter::CompositionMode_Screen);
    }
    p.end();
    grain(canvas, 6, 1);
    return canvas;
}

QImage paintOrnament()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(801);
    fillVertical(p, kFull, {{0.0, QColor(6, 22, 16)}, {1.0, QColor(12, 34, 24)}});
    // Branches and lights behind, far out of focus.
    {
        LogonSoftLayer back(2);
        QPainter& b = back.painter();
        for (int i = 0; i < 12; ++i) {
            const QPointF from(rng.range(-200, kWidth + 200), rng.range(-100, kHeight + 100));
            const double a = rng.range(0, 2 * kPi);
            QPainterPath spine(from);
            spine.quadTo(from + QPointF(std::cos(a) * 300, std::sin(a) * 300 + 60),
                         from + QPointF(std::cos(a) * 600, std::sin(a) * 600 + 120));
            firBranch(b, rng, spine, 70, QColor(10, 40, 26), QColor(40, 90, 50), 300);
        }
        for (int i = 0; i < 40; ++i)
            bokehDisc(b, QPointF(rng.range(0, kWidth), rng.range(0, kHeight)), rng.range(30, 90),
                      rng.chance(0.75) ? QColor(255, 200, 100) : QColor(255, 110, 70),
                      rng.range(0.3, 0.7));
        drawLayer(p, back.finish(8));
    }
    // A gold bauble further back, soft.
    {
        LogonSoftLayer far(2);
        hangingString(far.painter(), QPointF(420, -10), QPointF(420, 170), QColor(200, 170, 100));
        bauble(far.painter(), QPointF(420, 360), 170, QColor(210, 160, 50));
        bauble(far.painter(), QPointF(1830, 860), 140, QColor(40, 80, 180));
        drawLayer(p, far.finish(6));
    }

    const QPointF c(1130, 590);
    const double r = 340;
    hangingString(p, QPointF(c.x() - 20, -10), QPointF(c.x(), c.y() - r * 1.22),
                  QColor(210, 180, 110));
    bauble(p, c, r, QColor(168, 14, 30));

    QPainterPath sphere;
    sphere.addEllipse(c, r, r);
    p.save();
    p.setClipPath(sphere);
    // A golden band round the middle, seen a little from above.
    const double tilt = r * 0.3;
    QPainterPath band;
    band.moveTo(c.x() - r, c.y() - r * 0.02);
    band.cubicTo(c.x() - r * 0.6, c.y() + tilt, c.x() + r * 0.6, c.y() + tilt, c.x() + r,
                 c.y() - r * 0.02);
    band.lineTo(c.x() + r, c.y() + r * 0.14);
    band.cubicTo(c.x() + r * 0.6, c.y() + r * 0.16 + tilt, c.x() - r * 0.6, c.y() + r * 0.16 + tilt,
                 c.x() - r, c.y() + r * 0.14);
    band.closeSubpath();
    QLinearGradient gold(c.x() - r, 0, c.x() + r, 0);
    gold.setColorAt(0.0, QColor(90, 60, 10));
    gold.setColorAt(0.28, QColor(255, 225, 140));
    gold.setColorAt(0.45, QColor(210, 160, 50));
    gold.setColorAt(0.85, QColor(120, 80, 20));
    gold.setColorAt(1.0, QColor(60, 40, 10));
    p.fillPath(band, gold);
    // Glitter dots along the band's edges.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 60; ++k) {
        const double t = (k + 0.5) / 60;
        const double x = c.x() - r + 2 * r * t;
        const double edge = std::sqrt(std::max(0.0, 1.0 - std::pow(2 * t - 1, 2)));
        const double y = c.y() + r * 0.28 + tilt * 0.75 * edge * 0.9 + r * 0.02;
        p.setBrush(withAlpha(QColor(255, 225, 150), 0.4 + 0.6 * edge));
        p.drawEllipse(QPointF(x, y), 5 * edge + 1, 5 * edge + 1);
    }
    // A glittering snowflake painted on the front.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(c.x() + r * 0.22, c.y() - r * 0.42), r * 0.4, QColor(120, 60, 60, 80));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    snowCrystal(p, QPointF(c.x() + r * 0.22, c.y() - r * 0.42), r * 0.3, 8,
                QColor(255, 245, 240, 230), 9);
    // The room's window mirrored in the glass.
    p.save();
    p.translate(c.x() - r * 0.5, c.y() - r * 0.5);
    p.rotate(-18);
    p.shear(0.15, 0.0);
    QPainterPath windowShape;
    windowShape.addRoundedRect(QRectF(-r * 0.17, -r * 0.2, r * 0.34, r * 0.42), r * 0.06, r * 0.06);
    QPainterPath bars;
    bars.addRect(QRectF(-r * 0.015, -r * 0.2, r * 0.03, r * 0.42));
    bars.addRect(QRectF(-r * 0.17, -r * 0.01, r * 0.34, r * 0.03));
    p.fillPath(windowShape.subtracted(bars), QColor(255, 250, 245, 150));
    p.restore();
    for (int k = 0; k < 9; ++k)
        sparkle(p,
                QPointF(c.x() + r * 0.22 + rng.range(-r * 0.3, r * 0.3),
                        c.y() - r * 0.42 + rng.range(-r * 0.3, r * 0.3)),
                rng.range(8, 20), QColor(255, 240, 230, 220));
    p.restore();
    sparkle(p, QPointF(c.x() - r * 0.42, c.y() - r * 0.56), 60, QColor(255, 255, 255, 230));

    // A sprig of fir in front, sharp.
    {
        QPainterPath spine(QPointF(-60, 1130));
        spine.cubicTo(QPointF(200, 960), QPointF(420, 930), QPointF(720, 960));
        firBranch(p, rng, spine, 60, QColor(14, 50, 30), QColor(80, 150, 80), 2200);
        QPainterPath twig(QPointF(260, 980));
        twig.quadTo(QPointF(330, 850), QPointF(480, 800));
        firBranch(p, rng, twig, 50, QColor(14, 50, 30), QColor(80, 150, 80), 900);
    }
    p.end();
    grain(canvas, 8, 1);
    return canvas;
}

QImage paintDecoration()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(401);
    fillVertical(p, kFull,
                 {{0.0, QColor(60, 8, 16)}, {0.6, QColor(34, 4, 10)}, {1.0, QColor(20, 2, 6)}});
    {
        LogonSoftLayer back;
        glow(back.painter(), QPointF(960, 640), 900, QColor(150, 40, 30, 90));
        for (int i = 0; i < 55; ++i)
            bokehDisc(back.painter(), QPointF(rng.range(0, kWidth), rng.range(200, kHeight)),
                      rng.range(25, 85),
                      rng.chance(0.7) ? QColor(255, 200, 110) : QColor(255, 240, 210),
                      rng.range(0.12, 0.4));
        drawLayer(p, back.finish(4), QPainter::CompositionMode_Plus);
    }

    // Two swags of fir garland across the top.
    QPainterPath swag(QPointF(-80, 90));
    swag.quadTo(QPointF(480, 420), QPointF(960, 110));
    swag.quadTo(QPointF(1440, 420), QPointF(kWidth + 80, 90));

    // Baubles hang from the garland on strings of different lengths.
    struct Hanging {
        double t, drop, radius;
        QColor colour;
        bool star;
    };
    const Hanging hangings[] = {
        {0.12, 300, 90, QColor(200, 20, 36), false},   {0.25, 380, 70, QColor(220, 170, 50), false},
        {0.33, 190, 60, QColor(200, 205, 220), false}, {0.44, 280, 0, QColor(240, 200, 80), true},
        {0.58, 330, 100, QColor(30, 110, 60), false},  {0.7, 210, 72, QColor(210, 30, 50), false},
        {0.8, 420, 84, QColor(230, 180, 60), false},   {0.9, 260, 64, QColor(60, 110, 210), false},
    };
    for (const Hanging& h : hangings) {
        const QPointF top = swag.pointAtPercent(h.t);
        const QPointF at(top.x() + rng.range(-10, 10), top.y() + h.drop);
        hangingString(p, top, at - QPointF(0, h.star ? 70 : h.radius * 1.15),
                      QColor(230, 200, 130));
        if (h.star) {
            p.setCompositionMode(QPainter::CompositionMode_Plus);
            glow(p, at, 170, QColor(120, 90, 30, 150));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            QLinearGradient metal(at.x() - 70, at.y() - 70, at.x() + 70, at.y() + 70);
            metal.setColorAt(0.0, QColor(255, 240, 170));
            metal.setColorAt(0.5, QColor(230, 170, 50));
            metal.setColorAt(1.0, QColor(140, 90, 20));
            p.fillPath(starPath(at, 80, 36, 0.1), metal);
            p.fillPath(starPath(at + QPointF(-4, -4), 44, 20, 0.1), QColor(255, 250, 220, 120));
        } else {
            bauble(p, at, h.radius, h.colour);
        }
    }
    firBranch(p, rng, swag, 55, QColor(10, 44, 24), QColor(70, 140, 70), 9000);
    // Pine cones and bows where the swags are pinned.
    for (double x : {-80.0, 960.0, double(kWidth) + 80}) {
        const QPointF knot(x, x == 960.0 ? 110 : 90);
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath tail(knot);
            tail.cubicTo(knot + QPointF(side * 40, 80), knot + QPointF(side * 90, 120),
                         knot + QPointF(side * 70, 200));
            p.strokePath(tail, QPen(QColor(150, 12, 24), 28, Qt::SolidLine, Qt::FlatCap));
            p.strokePath(tail.translated(-side * 3, -2),
                         QPen(QColor(200, 30, 40), 18, Qt::SolidLine, Qt::FlatCap));
            QPainterPath loop(knot);
            loop.cubicTo(knot + QPointF(side * 150, -110), knot + QPointF(side * 170, 70), knot);
            QLinearGradient satin(knot.x(), knot.y() - 80, knot.x(), knot.y() + 40);
            satin.setColorAt(0.0, QColor(235, 60, 66));
            satin.setColorAt(0.5, QColor(196, 22, 34));
            satin.setColorAt(1.0, QColor(120, 8, 18));
            p.fillPath(loop, satin);
            // The inside of the loop, in shade.
            QPainterPath hollow(knot + QPointF(side * 20, -4));
            hollow.cubicTo(knot + QPointF(side * 110, -70), knot + QPointF(side * 125, 30),
                           knot + QPointF(side * 20, 4));
            p.fillPath(hollow, QColor(90, 4, 12, 170));
            p.strokePath(loop, QPen(QColor(110, 6, 14), 2.5));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(215, 40, 48));
        p.drawEllipse(knot, 30, 26);
    }
    // Lights threaded through the garland.
    const QColor warm[] = {QColor(255, 210, 120), QColor(255, 235, 190), QColor(255, 170, 90)};
    for (int k = 0; k <= 36; ++k) {
        const QPointF at =
            swag.pointAtPercent(k / 36.0) + QPointF(rng.range(-20, 20), rng.range(-18, 22));
        const QColor c = warm[k % 3];
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(p, at, 55, withAlpha(c, 0.6));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(Qt::NoPen);
        p.setBrush(c.lighter(140));
        p.drawEllipse(at, 6, 6);
    }
    snowDots(p, rng, kFull, 200, 0.8, 2.6, 0.2, 0.7, QColor(255, 240, 220));
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int k = 0; k < 16; ++k)
        sparkle(p, QPointF(rng.range(0, kWidth), rng.range(300, kHeight)), rng.range(8, 20),
                QColor(255, 230, 180, 200));
    p.end();
    grain(canvas, 9, 1);
    return canvas;
}

QImage paintPicture()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(901);
    // A dark green wall with a faint striped paper.
    fillVertical(p, kFull, {{0.0, QColor(18, 40, 32)}, {1.0, QColor(28, 58, 44)}});
    for (int x = 0; x < kWidth; x += 80)
        p.fillRect(QRectF(x, 0, 40, kHeight), QColor(255, 255, 255, 6));
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(960, 200), 1000, QColor(110, 90, 50, 110));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The painting itself.
    const QRectF art(570, 170, 780, 480);
    QImage painting = newCanvas(art.size().toSize());
    {
        QPainter a(&painting);
        a.setRenderHint(QPainter::Antialiasing);
        const QRectF r(0, 0, art.width(), art.height());
        fillVertical(a, r,
                     {{0.0, QColor(60, 80, 140)},
                      {0.45, QColor(190, 150, 180)},
                      {0.7, QColor(250, 190, 150)},
                      {1.0, QColor(250, 220, 190)}});
        a.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(a, QPointF(520, 290), 260, QColor(120, 80, 40, 160));
        a.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QPainterPath peaks(QPointF(-10, 330));
        double x = -10;
        while (x < art.width() + 100) {
            const double w = rng.range(90, 180);
            peaks.lineTo(x + w * 0.5, rng.range(170, 240));
            peaks.lineTo(x + w, rng.range(270, 310));
            x += w;
        }
        peaks.lineTo(art.width() + 100, 330);
        peaks.closeSubpath();
        fillPathVertical(a, peaks, 170, 330,
                         {{0.0, QColor(250, 235, 235)}, {1.0, QColor(150, 140, 190)}});
        // The frozen lake mirrors the sky.
        fillVertical(a, QRectF(0, 330, art.width(), 150),
                     {{0.0, QColor(200, 170, 200)}, {1.0, QColor(120, 140, 190)}});
        QPainterPath shore = hills(rng, -10, art.width() + 10, 320, 10, 2, 345);
        a.fillPath(shore, QColor(235, 235, 245));
        QPainterPath bank(QPointF(-10, art.height() + 10));
        bank.lineTo(-10, 380);
        bank.cubicTo(200, 380, 330, 430, 420, art.height() + 10);
        bank.closeSubpath();
        fillPathVertical(a, bank, 380, art.height(),
                         {{0.0, QColor(250, 248, 252)}, {1.0, QColor(190, 195, 225)}});
        for (int i = 0; i < 22; ++i)
            snowyFir(a, rng, QPointF(rng.range(0, art.width()), 322 + rng.range(0, 8)),
                     rng.range(25, 55), QColor(40, 60, 70), QColor(235, 235, 245), 0.5);
        // A cottage with a lit window on the near bank.
        const QPointF home(150, 410);
        a.setPen(Qt::NoPen);
        a.setBrush(QColor(150, 40, 34));
        a.drawRect(QRectF(home.x(), home.y() - 55, 110, 55));
        QPolygonF roof;
        roof << home + QPointF(-14, -52) << home + QPointF(55, -100) << home + QPointF(124, -52);
        a.setBrush(QColor(245, 245, 250));
        a.drawPolygon(roof);
        a.setBrush(QColor(255, 210, 120));
        a.drawRect(QRectF(home.x() + 20, home.y() - 38, 22, 20));
        a.drawRect(QRectF(home.x() + 66, home.y() - 38, 22, 20));
        a.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(a, home + QPointF(55, -28), 70, QColor(160, 110, 40, 140));
        a.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (int i = 0; i < 5; ++i)
            snowyFir(a, rng, QPointF(rng.range(20, 380), 470 + rng.range(0, 20)),
                     rng.range(90, 150), QColor(24, 50, 50), QColor(245, 245, 252), 0.6);
        snowyFir(a, rng, QPointF(700, 500), 300, QColor(24, 50, 50), QColor(245, 245, 252), 0.6);
        snowDots(a, rng, r, 140, 0.6, 1.8, 0.4, 0.9);
        // Brush marks: a faint canvas weave over the paint.
        a.setPen(QPen(QColor(255, 255, 255, 10), 1));
        for (int k = 0; k < art.height(); k += 3)
            a.drawLine(QPointF(0, k), QPointF(art.width(), k));
    }

    // The frame: a gilt moulding with its shadow on the wall.
    const double moulding = 70;
    const QRectF outer = art.adjusted(-moulding, -moulding, moulding, moulding);
    {
        LogonSoftLayer shadow(2);
        shadow.painter().fillRect(outer.translated(18, 26), QColor(0, 0, 0, 170));
        drawLayer(p, shadow.finish(10));
    }
    auto side = [&](const QPolygonF& shape, QPointF from, QPointF to, bool lit) {
        QLinearGradient g(from, to);
        g.setColorAt(0.0, lit ? QColor(120, 80, 24) : QColor(70, 44, 12));
        g.setColorAt(0.35, lit ? QColor(255, 226, 140) : QColor(200, 150, 60));
        g.setColorAt(0.6, lit ? QColor(200, 150, 50) : QColor(140, 96, 30));
        g.setColorAt(1.0, lit ? QColor(110, 70, 20) : QColor(60, 36, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(shape);
    };
    side(QPolygonF() << outer.topLeft() << outer.topRight() << art.topRight() << art.topLeft(),
         outer.topLeft(), QPointF(outer.left(), art.top()), true);
    side(QPolygonF() << outer.bottomLeft() << outer.bottomRight() << art.bottomRight()
                     << art.bottomLeft(),
         outer.bottomLeft(), QPointF(outer.left(), art.bottom()), false);
    side(QPolygonF() << outer.topLeft() << outer.bottomLeft() << art.bottomLeft() << art.topLeft(),
         outer.topLeft(), QPointF(art.left(), outer.top()), true);
    side(QPolygonF() << outer.topRight() << outer.bottomRight() << art.bottomRight()
                     << art.topRight(),
         outer.topRight(), QPointF(art.right(), outer.top()), false);
    // Beading along the middle of the moulding.
    p.setPen(Qt::NoPen);
    const QRectF bead =
        art.adjusted(-moulding * 0.45, -moulding * 0.45, moulding * 0.45, moulding * 0.45);
    QPainterPath beadPath;
    beadPath.addRect(bead);
    const int beads = 160;
    for (int k = 0; k < beads; ++k) {
        const QPointF at = beadPath.pointAtPercent((k + 0.5) / beads);
        p.setBrush(QColor(255, 235, 170, 200));
        p.drawEllipse(at + QPointF(-1, -1), 4, 4);
        p.setBrush(QColor(90, 60, 20, 200));
        p.drawEllipse(at + QPointF(1.5, 1.5), 2.5, 2.5);
    }
    p.fillRect(art.adjusted(-8, -8, 8, 8), QColor(40, 26, 8));
    p.drawImage(art.topLeft(), painting);
    // Inner shadow where the moulding overhangs the painting.
    fillVertical(p, QRectF(art.left(), art.top(), art.width(), 24),
                 {{0.0, QColor(0, 0, 0, 110)}, {1.0, QColor(0, 0, 0, 0)}});

    // A sprig of holly on the corner.
    {
        const QPointF corner = outer.topLeft() + QPointF(40, 40);
        for (int k = 0; k < 3; ++k) {
            p.save();
            p.translate(corner);
            p.rotate(-150 + k * 55);
            QPainterPath leaf(QPointF(0, 0));
            const int spikes = 4;
            for (int s = 1; s <= spikes; ++s) {
                const double x = 150.0 * s / spikes;
                leaf.quadTo(QPointF(x - 18, -14), QPointF(x, -34 * std::sin(kPi * x / 150) - 4));
            }
            for (int s = spikes; s >= 1; --s) {
                const double x = 150.0 * (s - 1) / spikes;
                leaf.quadTo(QPointF(x + 18, 14),
                            QPointF(x, 34 * std::sin(kPi * x / 150) + (s > 1 ? 4 : 0)));
            }
            QLinearGradient g(0, -30, 0, 30);
            g.setColorAt(0.0, QColor(70, 150, 70));
            g.setColorAt(1.0, QColor(16, 70, 32));
            p.fillPath(leaf, g);
            p.strokePath(leaf, QPen(QColor(10, 40, 18), 2));
            p.setPen(QPen(QColor(120, 180, 100), 2));
            p.drawLine(QPointF(4, 0), QPointF(140, 0));
            p.restore();
        }
        for (const QPointF& d : {QPointF(-8, -6), QPointF(18, -18), QPointF(12, 14)}) {
            QRadialGradient berry(corner + d + QPointF(-6, -6), 22);
            berry.setColorAt(0.0, QColor(255, 120, 120));
            berry.setColorAt(0.5, QColor(200, 20, 30));
            berry.setColorAt(1.0, QColor(110, 0, 10));
            p.setPen(Qt::NoPen);
            p.setBrush(berry);
            p.drawEllipse(corner + d, 18, 18);
        }
    }

    // The mantelpiece below, with a garland and two candles.
    fillVertical(p, QRectF(0, 900, kWidth, 40),
                 {{0.0, QColor(240, 232, 220)}, {1.0, QColor(180, 170, 160)}});
    fillVertical(
        p, QRectF(0, 940, kWidth, 140),
        {{0.0, QColor(110, 100, 96)}, {0.1, QColor(200, 192, 182)}, {1.0, QColor(150, 140, 130)}});
    for (const double x : {380.0, 1540.0}) {
        QLinearGradient wax(x - 38, 0, x + 38, 0);
        wax.setColorAt(0.0, QColor(230, 220, 200));
        wax.setColorAt(0.4, QColor(255, 250, 240));
        wax.setColorAt(1.0, QColor(180, 160, 140));
        p.fillRect(QRectF(x - 38, 700, 76, 205), wax);
        p.setPen(QPen(QColor(40, 30, 20), 3));
        p.drawLine(QPointF(x, 700), QPointF(x, 684));
        p.setPen(Qt::NoPen);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(p, QPointF(x, 660), 260, QColor(160, 110, 40, 150));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QPainterPath flame(QPointF(x, 620));
        flame.cubicTo(QPointF(x + 22, 660), QPointF(x + 16, 690), QPointF(x, 692));
        flame.cubicTo(QPointF(x - 16, 690), QPointF(x - 22, 660), QPointF(x, 620));
        QRadialGradient fire(QPointF(x, 675), 40);
        fire.setColorAt(0.0, QColor(255, 255, 240));
        fire.setColorAt(0.5, QColor(255, 210, 110));
        fire.setColorAt(1.0, QColor(255, 140, 40));
        p.fillPath(flame, fire);
    }
    QPainterPath garland(QPointF(-40, 905));
    garland.cubicTo(QPointF(500, 960), QPointF(1400, 960), QPointF(kWidth + 40, 905));
    firBranch(p, rng, garland, 50, QColor(10, 44, 24), QColor(70, 140, 70), 7000);
    for (int k = 0; k <= 30; ++k) {
        const QPointF at =
            garland.pointAtPercent(k / 30.0) + QPointF(rng.range(-15, 15), rng.range(-15, 15));
        const QColor c = k % 2 ? QColor(255, 210, 130) : QColor(255, 90, 80);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(p, at, 40, withAlpha(c, 0.6));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(c.lighter(140));
        p.drawEllipse(at, 5, 5);
    }
    for (int k = 0; k < 9; ++k)
        bauble(p, garland.pointAtPercent(0.05 + 0.1 * k) + QPointF(rng.range(-20, 20), 30),
               rng.range(22, 30), k % 2 ? QColor(200, 20, 36) : QColor(220, 170, 50), false);
    p.end();
    grain(canvas, 10, 1);
    return canvas;
}
