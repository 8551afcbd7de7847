// Scenes with a figure: Santa skating on a moonlit pond and a snowman in a
// field at dusk.
#include "ArtRandom.h"
#include "LogonPainting.h"
#include "LogonScenes.h"
#include "LogonSoftLayer.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <utility>

using namespace logon;

namespace {

constexpr double kPi = std::numbers::pi;
const QRectF kFull(0, 0, kWidth, kHeight);

// A limb as a rounded stroke through its joints.
QPainterPath limb(std::initializer_list<QPointF> joints, double width)
{
    QPainterPath line;
    bool first = true;
    for (const QPointF& j : joints) {
        if (first)
            line.moveTo(j);
        else
            line.lineTo(j);
        first = false;
    }
    QPainterPathStroker stroker(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return stroker.createStroke(line);
}

// A limb that narrows from joint to joint, like a sleeve from shoulder to
// cuff: round at every joint, straight-sided between them.
QPainterPath taperedLimb(std::initializer_list<std::pair<QPointF, double>> joints)
{
    QPainterPath shape;
    const std::pair<QPointF, double>* previous = nullptr;
    for (const auto& joint : joints) {
        const auto& [at, width] = joint;
        QPainterPath round;
        round.addEllipse(at, width / 2, width / 2);
        shape = shape.united(round);
        if (previous) {
            const QPointF along = at - previous->first;
            const double length = std::hypot(along.x(), along.y());
            const QPointF across(-along.y() / length, along.x() / length);
            QPainterPath side;
            side.addPolygon(QPolygonF{previous->first + across * (previous->second / 2),
                                      at + across * (width / 2), at - across * (width / 2),
                                      previous->first - across * (previous->second / 2)});
            side.closeSubpath();
            shape = shape.united(side);
        }
        previous = &joint;
    }
    return shape;
}

QPainterPath ellipse(QPointF centre, double rx, double ry, double degrees = 0.0)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// Santa in mid-glide, leaning forward, one leg stretched out behind; the
// origin is where the front skate touches the ice.
QPainterPath skatingSanta()
{
    QPainterPath s;
    auto add = [&s](const QPainterPath& part) { s = s.united(part); };
    add(ellipse(QPointF(10, -250), 100, 126, 14));                      // belly
    add(polygon({{-92, -205}, {98, -222}, {128, -138}, {-104, -118}})); // coat hem
    add(ellipse(QPointF(76, -394), 56, 54));                            // head
    QPainterPath beard(QPointF(124, -390));
    beard.cubicTo(QPointF(156, -366), QPointF(156, -318), QPointF(124, -280));
    beard.cubicTo(QPointF(100, -262), QPointF(70, -290), QPointF(48, -330));
    beard.lineTo(QPointF(40, -384));
    beard.closeSubpath();
    add(beard);
    add(ellipse(QPointF(72, -434), 66, 24, -6)); // fur brim
    // The hat rises over the head and flops back, ending in its pompom.
    QPainterPath hat(QPointF(132, -446));
    hat.cubicTo(QPointF(136, -512), QPointF(64, -546), QPointF(8, -526));
    hat.cubicTo(QPointF(-34, -510), QPointF(-66, -488), QPointF(-84, -458));
    hat.lineTo(QPointF(-70, -450));
    hat.cubicTo(QPointF(-40, -474), QPointF(-4, -486), QPointF(18, -444));
    hat.closeSubpath();
    add(hat);
    add(ellipse(QPointF(-86, -448), 25, 25));    // pompom
    add(ellipse(QPointF(132, -398), 13, 11));    // nose
    add(ellipse(QPointF(-6, -318), 78, 58, 20)); // the back, rounded by the lean
    // The front arm reaches ahead, the back one swings behind: sleeves that
    // narrow to fur cuffs, mittens with their thumbs.
    add(taperedLimb({{{54, -336}, 54}, {{138, -318}, 42}, {{206, -350}, 32}}));
    add(ellipse(QPointF(210, -352), 14, 22, -25)); // cuff
    add(ellipse(QPointF(236, -364), 24, 18, -30)); // mitten
    add(ellipse(QPointF(232, -386), 8, 13, 15));   // thumb
    add(taperedLimb({{{-40, -322}, 54}, {{-116, -288}, 42}, {{-172, -238}, 32}}));
    add(ellipse(QPointF(-176, -234), 22, 14, 40)); // cuff
    add(ellipse(QPointF(-196, -216), 22, 18, 50)); // mitten
    add(ellipse(QPointF(-186, -198), 7, 12, -30)); // thumb
    // The coat flares over the hips and ends in a band of fur.
    add(polygon({{-92, -205}, {98, -222}, {138, -138}, {-124, -112}}));
    for (int i = 0; i <= 14; ++i) {
        const double t = i / 14.0;
        add(ellipse(QPointF(-122 + 258 * t, -110 - 28 * t), 12, 10));
    }
    // The front leg bent under him, the back one stretched out behind.
    add(taperedLimb({{{20, -130}, 64}, {{58, -84}, 50}, {{32, -36}, 38}}));
    add(polygon({{8, -58}, {60, -58}, {66, -6}, {4, -6}})); // boot shaft
    add(ellipse(QPointF(50, -16), 48, 16));                 // boot foot
    add(taperedLimb({{{-36, -140}, 60}, {{-126, -124}, 46}, {{-210, -108}, 36}}));
    add(ellipse(QPointF(-222, -110), 26, 22, -4)); // boot shaft
    add(ellipse(QPointF(-240, -102), 44, 16, -4)); // boot foot
    // Skate blades with their curled toes.
    QPainterPath blade(QPointF(-16, 0));
    blade.lineTo(98, 0);
    blade.cubicTo(QPointF(118, 0), QPointF(122, -14), QPointF(108, -18));
    add(QPainterPathStroker(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap)).createStroke(blade));
    add(polygon({{10, -8}, {16, -8}, {16, 0}, {10, 0}}));
    add(polygon({{68, -8}, {74, -8}, {74, 0}, {68, 0}}));
    add(limb({{16, -2}, {16, -14}}, 6));
    add(limb({{72, -2}, {72, -14}}, 6));
    QPainterPath backBlade(QPointF(-300, -86));
    backBlade.lineTo(-190, -92);
    backBlade.cubicTo(QPointF(-172, -93), QPointF(-170, -106), QPointF(-182, -110));
    add(QPainterPathStroker(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap))
            .createStroke(backBlade));
    add(limb({{-276, -88}, {-270, -100}}, 6));
    add(limb({{-216, -92}, {-214, -104}}, 6));
    return s;
}

} // namespace

QImage paintSantaSkating()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(1001);
    fillVertical(p, kFull,
                 {{0.0, QColor(5, 10, 32)},
                  {0.4, QColor(18, 36, 86)},
                  {0.65, QColor(48, 78, 130)},
                  {1.0, QColor(48, 78, 130)}});
    stars(p, rng, QRectF(0, 0, kWidth, 600), 450, 0.9);

    const QPointF moon(1020, 470);
    const double moonR = 270;
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, moon, moonR * 3.2, QColor(60, 80, 120, 150));
    glow(p, moon, moonR * 1.5, QColor(120, 130, 150, 120));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRadialGradient face(moon + QPointF(-60, -60), moonR * 1.2);
    face.setColorAt(0.0, QColor(255, 253, 240));
    face.setColorAt(1.0, QColor(226, 226, 212));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(moon, moonR, moonR);
    // The moon's grey seas.
    {
        QPainterPath disc;
        disc.addEllipse(moon, moonR, moonR);
        p.save();
        p.setClipPath(disc);
        LogonSoftLayer seas(2);
        for (int k = 0; k < 9; ++k)
            glow(seas.painter(), moon + QPointF(rng.range(-180, 180), rng.range(-180, 180)),
                 rng.range(40, 110), QColor(150, 150, 150, 70), 0.4);
        drawLayer(p, seas.finish(4));
        p.restore();
    }

    // The far bank with its firs, hiding the foot of the moon.
    const double horizon = 700;
    QPainterPath bank = hills(rng, -20, kWidth + 20, horizon - 20, 22, 2, horizon + 40);
    for (int i = 0; i < 60; ++i) {
        const double fx = rng.range(-40, kWidth + 40);
        const double h = std::abs(fx - moon.x()) < 200 ? rng.range(60, 120) : rng.range(90, 240);
        snowyFir(p, rng, QPointF(fx, horizon - 10 + rng.range(0, 14)), h, QColor(10, 18, 38),
                 QColor(60, 80, 120), 0.35);
    }
    fillPathVertical(p, bank, horizon - 40, horizon + 40,
                     {{0.0, QColor(150, 170, 205)}, {1.0, QColor(40, 56, 90)}});

    // The frozen pond.
    fillVertical(
        p, QRectF(0, horizon + 20, kWidth, kHeight - horizon),
        {{0.0, QColor(70, 96, 140)}, {0.3, QColor(40, 62, 104)}, {1.0, QColor(18, 30, 60)}});
    {
        LogonSoftLayer shine(2);
        QPainter& s = shine.painter();
        s.save();
        s.translate(moon.x(), 860);
        s.scale(0.5, 1.0);
        glow(s, QPointF(0, 0), 260, QColor(200, 210, 230, 120));
        s.restore();
        s.setPen(QPen(QColor(200, 215, 240, 50), 3));
        for (int k = 0; k < 40; ++k) {
            const double y = rng.range(horizon + 30, kHeight);
            const double x = rng.range(-100, kWidth);
            s.drawLine(QPointF(x, y), QPointF(x + rng.range(100, 500), y + rng.range(-4, 4)));
        }
        drawLayer(p, shine.finish(4), QPainter::CompositionMode_Plus);
    }
    // Trails cut by the skates.
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 5; ++k) {
        QPainterPath trail(QPointF(rng.range(-200, 400), rng.range(900, 1060)));
        trail.cubicTo(QPointF(rng.range(300, 700), rng.range(850, 1000)),
                      QPointF(rng.range(600, 900), 940), QPointF(990 - k * 15, 934 + k * 3));
        p.setPen(QPen(QColor(210, 225, 250, 40 + k * 10), 2));
        p.drawPath(trail);
    }

    const QPainterPath santa = skatingSanta();
    const QPointF foot(990, 934);
    QTransform place;
    place.translate(foot.x(), foot.y());
    place.scale(1.08, 1.08);
    const QPainterPath figure = place.map(santa);
    // His reflection in the ice, faint and soft.
    {
        LogonSoftLayer mirror(2);
        QTransform flip;
        flip.translate(0, 2 * foot.y());
        flip.scale(1, -1);
        mirror.painter().fillPath(flip.map(figure), QColor(6, 10, 26, 120));
        drawLayer(p, mirror.finish(4));
    }
    // Moonlight rims the far side of the figure.
    p.fillPath(figure.translated(-3, -3), QColor(200, 210, 235, 200));
    p.fillPath(figure, QColor(8, 12, 28));

    // Snowy banks in the near corners.
    QPainterPath leftBank(QPointF(-20, kHeight + 10));
    leftBank.lineTo(-20, 900);
    leftBank.cubicTo(QPointF(160, 880), QPointF(330, 980), QPointF(470, kHeight + 10));
    leftBank.closeSubpath();
    fillPathVertical(p, leftBank, 880, kHeight,
                     {{0.0, QColor(190, 205, 235)}, {1.0, QColor(90, 110, 160)}});
    QPainterPath rightBank(QPointF(kWidth + 20, kHeight + 10));
    rightBank.lineTo(kWidth + 20, 860);
    rightBank.cubicTo(QPointF(1750, 860), QPointF(1560, 960), QPointF(1450, kHeight + 10));
    rightBank.closeSubpath();
    fillPathVertical(p, rightBank, 860, kHeight,
                     {{0.0, QColor(190, 205, 235)}, {1.0, QColor(90, 110, 160)}});
    snowyFir(p, rng, QPointF(120, 930), 420, QColor(8, 16, 34), QColor(140, 160, 200), 0.5);
    snowyFir(p, rng, QPointF(1800, 900), 520, QColor(8, 16, 34), QColor(140, 160, 200), 0.5);
    snowyFir(p, rng, QPointF(1640, 960), 410, QColor(8, 16, 34), QColor(140, 160, 200), 0.5);

    snowDots(p, rng, kFull, 500, 0.8, 2.8, 0.3, 0.85);
    p.end();
    grain(canvas, 11, 1);
    return canvas;
}

QImage paintSnowman()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(1301);
    fillVertical(p, kFull,
                 {{0.0, QColor(26, 28, 78)},
                  {0.35, QColor(84, 60, 126)},
                  {0.55, QColor(214, 124, 120)},
                  {0.64, QColor(255, 186, 128)},
                  {1.0, QColor(255, 200, 140)}});
    stars(p, rng, QRectF(0, 0, kWidth, 300), 160, 0.7);
    const QPointF sun(430, 640);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, sun, 700, QColor(140, 70, 30, 120));
    glow(p, sun, 160, QColor(200, 140, 70, 160));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    QPainterPath far = hills(rng, -20, kWidth + 20, 640, 50, 2, kHeight + 10);
    fillPathVertical(p, far, 580, 760,
                     {{0.0, QColor(150, 120, 170)}, {1.0, QColor(120, 100, 160)}});
    for (int i = 0; i < 50; ++i)
        snowyFir(p, rng, QPointF(rng.range(-20, kWidth + 20), 650 + rng.range(0, 40)),
                 rng.range(50, 110), QColor(60, 44, 90), QColor(190, 160, 200), 0.4);
    QPainterPath mid = hills(rng, -20, kWidth + 20, 740, 40, 1, kHeight + 10);
    fillPathVertical(p, mid, 690, 860,
                     {{0.0, QColor(235, 200, 210)}, {1.0, QColor(170, 160, 210)}});

    // A cottage on the hill with its windows lit.
    {
        const QPointF home(1640, 745);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 44, 60));
        p.drawRect(QRectF(home.x(), home.y() - 80, 150, 80));
        p.drawRect(QRectF(home.x() + 110, home.y() - 150, 22, 50));
        QPolygonF roof;
        roof << home + QPointF(-20, -76) << home + QPointF(75, -140) << home + QPointF(170, -76);
        p.setBrush(QColor(240, 225, 240));
        p.drawPolygon(roof);
        p.setBrush(QColor(255, 200, 110));
        p.drawRect(QRectF(home.x() + 24, home.y() - 58, 30, 30));
        p.drawRect(QRectF(home.x() + 96, home.y() - 58, 30, 30));
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(p, home + QPointF(75, -42), 120, QColor(150, 100, 40, 130));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        LogonSoftLayer smoke(2);
        QPainterPath curl(home + QPointF(121, -152));
        curl.cubicTo(home + QPointF(90, -220), home + QPointF(170, -260),
                     home + QPointF(130, -340));
        smoke.painter().setPen(QPen(QColor(230, 220, 235, 70), 24, Qt::SolidLine, Qt::RoundCap));
        smoke.painter().drawPath(curl);
        drawLayer(p, smoke.finish(4));
    }

    QPainterPath field = hills(rng, -20, kWidth + 20, 870, 30, 1, kHeight + 10);
    fillPathVertical(
        p, field, 820, kHeight,
        {{0.0, QColor(250, 226, 226)}, {0.4, QColor(220, 210, 235)}, {1.0, QColor(160, 160, 215)}});

    const double cx = 1120;
    // The snowman's long shadow, thrown away from the low sun.
    {
        LogonSoftLayer shadow(2);
        shadow.painter().save();
        shadow.painter().translate(cx + 320, 980);
        shadow.painter().scale(1.0, 0.12);
        shadow.painter().setPen(Qt::NoPen);
        shadow.painter().setBrush(QColor(80, 80, 160, 120));
        shadow.painter().drawEllipse(QPointF(0, 0), 380, 300);
        shadow.painter().restore();
        drawLayer(p, shadow.finish(5));
    }
    auto ball = [&](QPointF c, double r) {
        QRadialGradient shade(c, r * 1.05, c + QPointF(-r * 0.45, -r * 0.4));
        shade.setColorAt(0.0, QColor(255, 246, 240));
        shade.setColorAt(0.45, QColor(238, 226, 236));
        shade.setColorAt(0.85, QColor(176, 170, 214));
        shade.setColorAt(1.0, QColor(140, 136, 196));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(c, r, r);
        // Warm light from the sunset along the left edge.
        QRadialGradient rim(c + QPointF(r * 0.12, r * 0.05), r * 1.04);
        rim.setColorAt(0.0, QColor(255, 190, 140, 0));
        rim.setColorAt(0.85, QColor(255, 190, 140, 0));
        rim.setColorAt(0.97, QColor(255, 190, 140, 130));
        rim.setColorAt(1.0, QColor(255, 190, 140, 0));
        p.setBrush(rim);
        p.drawEllipse(c, r, r);
    };
    // Stick arms behind the body.
    p.setPen(QPen(QColor(70, 44, 30), 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 80, 640), QPointF(cx - 270, 520));
    p.drawLine(QPointF(cx - 220, 550), QPointF(cx - 270, 580));
    p.drawLine(QPointF(cx - 245, 535), QPointF(cx - 280, 480));
    p.drawLine(QPointF(cx + 80, 640), QPointF(cx + 290, 560));
    p.drawLine(QPointF(cx + 230, 583), QPointF(cx + 280, 520));
    p.drawLine(QPointF(cx + 260, 572), QPointF(cx + 320, 590));

    ball(QPointF(cx, 830), 175);
    p.fillPath(ellipse(QPointF(cx, 700), 100, 18), QColor(120, 110, 170, 80));
    ball(QPointF(cx, 625), 125);
    p.fillPath(ellipse(QPointF(cx, 530), 70, 12), QColor(120, 110, 170, 80));
    ball(QPointF(cx, 455), 92);

    // Coal buttons, eyes and smile.
    p.setPen(Qt::NoPen);
    auto coal = [&p](QPointF c, double r) {
        QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.3), r);
        g.setColorAt(0.0, QColor(90, 90, 100));
        g.setColorAt(1.0, QColor(20, 20, 26));
        p.setBrush(g);
        p.drawEllipse(c, r, r * 0.9);
    };
    for (int k = 0; k < 3; ++k)
        coal(QPointF(cx - 6 + k * 2, 600 + k * 55), 14);
    coal(QPointF(cx - 36, 430), 11);
    coal(QPointF(cx + 26, 430), 11);
    for (int k = 0; k < 5; ++k) {
        const double a = kPi * (0.2 + 0.6 * k / 4.0);
        coal(QPointF(cx - 6 + std::cos(a) * 46, 470 + std::sin(a) * 30), 6);
    }
    QPainterPath carrot(QPointF(cx - 6, 445));
    carrot.lineTo(cx - 120, 468);
    carrot.lineTo(cx - 4, 470);
    carrot.closeSubpath();
    QLinearGradient orange(0, 445, 0, 470);
    orange.setColorAt(0.0, QColor(255, 160, 60));
    orange.setColorAt(1.0, QColor(200, 90, 20));
    p.fillPath(carrot, orange);

    // Scarf: a knitted band round the neck and a tail hanging down.
    QPainterPath wrap;
    wrap.moveTo(cx - 95, 520);
    wrap.cubicTo(QPointF(cx - 40, 560), QPointF(cx + 40, 560), QPointF(cx + 95, 520));
    wrap.lineTo(cx + 92, 552);
    wrap.cubicTo(QPointF(cx + 40, 592), QPointF(cx - 40, 592), QPointF(cx - 92, 552));
    wrap.closeSubpath();
    QLinearGradient wool(cx - 95, 0, cx + 95, 0);
    wool.setColorAt(0.0, QColor(230, 40, 50));
    wool.setColorAt(1.0, QColor(140, 10, 26));
    p.fillPath(wrap, wool);
    QPainterPath tail = polygon({{cx + 40, 560}, {cx + 92, 552}, {cx + 110, 700}, {cx + 62, 708}});
    p.fillPath(tail, QColor(190, 24, 38));
    p.setPen(QPen(QColor(255, 235, 235, 200), 8));
    p.drawLine(QPointF(cx + 52, 620), QPointF(cx + 98, 614));
    p.drawLine(QPointF(cx + 56, 650), QPointF(cx + 102, 644));
    p.setPen(QPen(QColor(190, 24, 38), 4));
    for (int k = 0; k < 6; ++k)
        p.drawLine(QPointF(cx + 64 + k * 8, 706 - k * 1.2),
                   QPointF(cx + 64 + k * 8, 724 - k * 1.2));

    // Top hat, tipped a little.
    p.save();
    p.translate(cx + 6, 378);
    p.rotate(-8);
    QLinearGradient felt(-66, 0, 66, 0);
    felt.setColorAt(0.0, QColor(60, 56, 70));
    felt.setColorAt(0.3, QColor(30, 28, 36));
    felt.setColorAt(1.0, QColor(10, 10, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawEllipse(QPointF(0, 0), 100, 20);
    p.drawRect(QRectF(-66, -130, 132, 130));
    p.drawEllipse(QPointF(0, -130), 66, 12);
    p.fillRect(QRectF(-66, -34, 132, 24), QColor(170, 20, 34));
    p.fillPath(ellipse(QPointF(-40, -24), 12, 22, -20), QColor(30, 110, 50));
    p.fillPath(ellipse(QPointF(-24, -26), 12, 22, 25), QColor(30, 110, 50));
    p.setBrush(QColor(220, 30, 40));
    p.drawEllipse(QPointF(-32, -20), 9, 9);
    p.restore();

    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < 90; ++i) {
        const QPointF c(rng.range(0, kWidth), rng.range(880, kHeight));
        sparkle(p, c, rng.range(3, 8), QColor(255, 230, 210, int(rng.range(100, 220))));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    snowDots(p, rng, kFull, 350, 0.8, 2.6, 0.35, 0.85);
    {
        LogonSoftLayer near;
        snowDots(near.painter(), rng, kFull, 18, 10, 24, 0.35, 0.7);
        drawLayer(p, near.finish(3));
    }
    p.end();
    grain(canvas, 13, 1);
    return canvas;
}
