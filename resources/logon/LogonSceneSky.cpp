// Open-air scenes: the blue winter sky, out-of-focus lights, a sunny snowy
// valley, snow falling under a street lamp and a snowy forest.
#include "ArtRandom.h"
#include "LogonPainting.h"
#include "LogonScenes.h"
#include "LogonSoftLayer.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace logon;

namespace {

constexpr double kPi = std::numbers::pi;
const QRectF kFull(0, 0, kWidth, kHeight);

} // namespace

QImage paintBlue()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(101);
    fillVertical(p, kFull,
                 {{0.0, QColor(3, 9, 36)},
                  {0.45, QColor(9, 30, 92)},
                  {0.8, QColor(22, 66, 150)},
                  {1.0, QColor(40, 98, 185)}});

    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(1380, 240), 1150, QColor(40, 80, 170, 150));
    glow(p, QPointF(1380, 240), 420, QColor(120, 170, 255, 110));
    glow(p, QPointF(1380, 240), 120, QColor(200, 225, 255, 120));

    // Soft beams of light slanting down from the glow.
    {
        LogonSoftLayer rays;
        rays.painter().setPen(Qt::NoPen);
        for (int k = 0; k < 7; ++k) {
            const double a = (100 + k * 9 + rng.range(-3, 3)) * kPi / 180.0;
            const double spread = rng.range(1.2, 3.0) * kPi / 180.0;
            QPolygonF beam;
            beam << QPointF(1380, 240)
                 << QPointF(1380 + 2600 * std::cos(a - spread), 240 + 2600 * std::sin(a - spread))
                 << QPointF(1380 + 2600 * std::cos(a + spread), 240 + 2600 * std::sin(a + spread));
            QRadialGradient fade(QPointF(1380, 240), 1400);
            fade.setColorAt(0.0, QColor(140, 180, 255, 70));
            fade.setColorAt(1.0, QColor(140, 180, 255, 0));
            rays.painter().setBrush(fade);
            rays.painter().drawPolygon(beam);
        }
        drawLayer(p, rays.finish(10), QPainter::CompositionMode_Plus);
    }
    {
        LogonSoftLayer discs;
        for (int i = 0; i < 40; ++i)
            bokehDisc(discs.painter(), QPointF(rng.range(0, kWidth), rng.range(0, kHeight)),
                      rng.range(25, 95), QColor(120, 170, 255), rng.range(0.06, 0.2));
        drawLayer(p, discs.finish(3), QPainter::CompositionMode_Plus);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Drifts along the bottom, lit from behind.
    {
        QPainterPath back = hills(rng, -20, kWidth + 20, 960, 45, 2, kHeight + 10);
        fillPathVertical(p, back, 900, kHeight,
                         {{0.0, QColor(120, 165, 230)}, {1.0, QColor(40, 80, 160)}});
        QPainterPath front = hills(rng, -20, kWidth + 20, 1030, 35, 3, kHeight + 10);
        fillPathVertical(p, front, 990, kHeight,
                         {{0.0, QColor(170, 205, 250)}, {1.0, QColor(70, 115, 200)}});
    }

    snowDots(p, rng, kFull, 900, 0.8, 3.2, 0.25, 0.85);
    {
        LogonSoftLayer soft(2);
        for (int i = 0; i < 7; ++i) {
            const QPointF c(rng.range(80, kWidth - 80), rng.range(60, 900));
            const double r = rng.range(60, 120);
            glow(soft.painter(), c, r * 1.3, QColor(160, 200, 255, 60));
            snowCrystal(soft.painter(), c, r, rng.range(0, 60), QColor(220, 235, 255, 140),
                        r * 0.07);
        }
        drawLayer(p, soft.finish(5), QPainter::CompositionMode_Plus);
    }
    for (int i = 0; i < 14; ++i) {
        const QPointF c(rng.range(60, kWidth - 60), rng.range(40, 950));
        const double r = rng.range(14, 42);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        glow(p, c, r * 1.6, QColor(120, 170, 255, 70));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        snowCrystal(p, c, r, rng.range(0, 60), QColor(235, 245, 255, 230),
                    std::max(1.6, r * 0.075));
    }
    {
        LogonSoftLayer near;
        snowDots(near.painter(), rng, kFull, 26, 14, 34, 0.35, 0.7);
        drawLayer(p, near.finish(3));
    }
    p.end();
    grain(canvas, 1, 1);
    return canvas;
}

QImage paintBokeh()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(202);
    fillVertical(p, kFull,
                 {{0.0, QColor(10, 5, 22)}, {0.5, QColor(26, 10, 38)}, {1.0, QColor(36, 10, 24)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(960, 600), 1000, QColor(90, 40, 30, 110));

    const QColor palette[] = {QColor(255, 190, 80), QColor(255, 140, 50), QColor(255, 70, 90),
                              QColor(230, 80, 200), QColor(60, 200, 230), QColor(120, 230, 130),
                              QColor(255, 225, 190)};
    auto onBand = [&rng](double spread) {
        const double x = rng.range(-100, kWidth + 100);
        const double band = 560 + 230 * std::sin(x / kWidth * 2 * kPi * 0.85 + 0.6);
        const double offset = (rng.unit() + rng.unit() + rng.unit() - 1.5) * spread;
        return QPointF(x, band + offset);
    };
    {
        LogonSoftLayer far;
        for (int i = 0; i < 30; ++i)
            bokehDisc(far.painter(), onBand(700), rng.range(110, 250), palette[rng.below(7)],
                      rng.range(0.1, 0.24));
        drawLayer(p, far.finish(9), QPainter::CompositionMode_Plus);
    }
    {
        LogonSoftLayer mid(2);
        for (int i = 0; i < 70; ++i)
            bokehDisc(mid.painter(), onBand(500), rng.range(40, 110), palette[rng.below(7)],
                      rng.range(0.18, 0.4));
        drawLayer(p, mid.finish(3), QPainter::CompositionMode_Plus);
    }
    for (int i = 0; i < 90; ++i)
        bokehDisc(p, onBand(330), rng.range(9, 38), palette[rng.below(7)], rng.range(0.3, 0.7));
    for (int i = 0; i < 14; ++i)
        sparkle(p, onBand(260), rng.range(10, 26), QColor(255, 240, 220, 220));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.end();
    grain(canvas, 2, 1);
    return canvas;
}

QImage paintSnow()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(303);
    fillVertical(p, kFull,
                 {{0.0, QColor(38, 96, 196)},
                  {0.35, QColor(100, 160, 230)},
                  {0.55, QColor(200, 225, 248)},
                  {1.0, QColor(230, 240, 252)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(1460, 300), 900, QColor(90, 80, 50, 120));
    glow(p, QPointF(1460, 300), 260, QColor(160, 150, 110, 160));
    glow(p, QPointF(1460, 300), 60, QColor(255, 250, 230, 255), 0.5);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Far mountains fading into the haze; the faces turned to the sun are
    // bright, the others blue with shade.
    {
        double x = -120;
        while (x < kWidth + 100) {
            const double w = rng.range(260, 480);
            const QPointF peak(x + w * rng.range(0.4, 0.6), rng.range(360, 500));
            const double foot = 640;
            const QPointF left(x, foot), right(x + w, foot);
            const QPointF valley(peak.x() + rng.range(-30, 30), foot);
            // A jagged ridge down each side and a crease down the middle.
            QPolygonF leftRidge, rightRidge, crease;
            for (int k = 0; k <= 5; ++k) {
                const double t = k / 5.0;
                const double j = (k == 0 || k == 5) ? 0.0 : rng.range(-14, 14);
                leftRidge << QPointF(left.x() + (peak.x() - left.x()) * t,
                                     foot + (peak.y() - foot) * t + j);
                rightRidge << QPointF(peak.x() + (right.x() - peak.x()) * t,
                                      peak.y() + (foot - peak.y()) * t + j);
                crease << QPointF(peak.x() + (valley.x() - peak.x()) * t +
                                      ((k == 0 || k == 5) ? 0.0 : rng.range(-18, 18)),
                                  peak.y() + (foot - peak.y()) * t);
            }
            QPolygonF shadedFace = leftRidge;
            for (int k = 1; k < crease.size(); ++k)
                shadedFace << crease[k];
            QPolygonF litFace = rightRidge;
            for (int k = crease.size() - 2; k >= 0; --k)
                litFace << crease[k];
            QPainterPath shaded, lit;
            shaded.addPolygon(shadedFace);
            lit.addPolygon(litFace);
            fillPathVertical(p, shaded, peak.y(), foot,
                             {{0.0, QColor(170, 192, 232)}, {1.0, QColor(180, 200, 234)}});
            fillPathVertical(p, lit, peak.y(), foot,
                             {{0.0, QColor(252, 253, 255)}, {1.0, QColor(214, 228, 246)}});
            x += w * rng.range(0.55, 0.8);
        }
        fillVertical(p, QRectF(0, 420, kWidth, 240),
                     {{0.0, QColor(220, 235, 250, 0)}, {1.0, QColor(220, 235, 250, 120)}});
    }
    QPainterPath ridge = hills(rng, -20, kWidth + 20, 640, 40, 2, kHeight + 10);
    fillPathVertical(p, ridge, 590, 760,
                     {{0.0, QColor(232, 240, 250)}, {1.0, QColor(180, 200, 228)}});
    for (int i = 0; i < 70; ++i) {
        const double fx = rng.range(-20, kWidth + 20);
        if (fx > 700 && fx < 1000)
            continue;
        const double h = rng.range(50, 110);
        snowyFir(p, rng, QPointF(fx, 650 + rng.range(0, 40)), h, QColor(40, 75, 90),
                 QColor(235, 242, 250), 0.6);
    }
    QPainterPath valley = hills(rng, -20, kWidth + 20, 760, 50, 1, kHeight + 10);
    fillPathVertical(p, valley, 700, 900,
                     {{0.0, QColor(248, 251, 255)}, {1.0, QColor(196, 214, 238)}});
    for (int i = 0; i < 16; ++i) {
        const double fx = rng.chance(0.5) ? rng.range(0, 560) : rng.range(1300, kWidth);
        const double h = rng.range(140, 240);
        snowyFir(p, rng, QPointF(fx, 790 + rng.range(0, 60)), h, QColor(28, 62, 66),
                 QColor(248, 251, 255), 0.7);
    }
    QPainterPath front = hills(rng, -20, kWidth + 20, 930, 60, 1, kHeight + 10);
    fillPathVertical(
        p, front, 850, kHeight,
        {{0.0, QColor(255, 255, 255)}, {0.5, QColor(226, 236, 250)}, {1.0, QColor(170, 195, 232)}});
    // Blue shadow along the far side of the front drift.
    {
        LogonSoftLayer shade;
        shade.painter().setPen(QPen(QColor(120, 150, 210, 90), 40));
        shade.painter().setBrush(Qt::NoBrush);
        shade.painter().translate(0, 30);
        shade.painter().drawPath(front);
        const QImage layer = shade.finish(8);
        QImage clipped = newCanvas();
        QPainter c(&clipped);
        c.setClipPath(front);
        c.drawImage(QRectF(0, 0, kWidth, kHeight), layer);
        c.end();
        p.drawImage(0, 0, clipped);
    }
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < 160; ++i) {
        const QPointF c(rng.range(0, kWidth), rng.range(800, kHeight));
        if (!front.contains(c) && !valley.contains(c))
            continue;
        sparkle(p, c, rng.range(3, 9) * (c.y() / 900.0),
                QColor(255, 255, 240, int(rng.range(120, 255))));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    snowDots(p, rng, QRectF(0, 0, kWidth, 900), 250, 0.8, 2.5, 0.3, 0.8);
    p.end();
    grain(canvas, 3, 1);
    return canvas;
}

QImage paintSnowfall()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(404);
    fillVertical(p, kFull,
                 {{0.0, QColor(8, 12, 28)}, {0.55, QColor(26, 34, 62)}, {1.0, QColor(40, 48, 76)}});
    const QPointF lamp(1330, 330);

    // Houses far down the street, out of focus.
    {
        LogonSoftLayer town(2);
        QPainter& t = town.painter();
        t.setPen(Qt::NoPen);
        double hx = -40;
        while (hx < kWidth) {
            const double w = rng.range(160, 300), h = rng.range(140, 260), base = 800;
            QPainterPath house;
            house.moveTo(hx, base);
            house.lineTo(hx, base - h);
            house.lineTo(hx + w * 0.5, base - h - rng.range(50, 110));
            house.lineTo(hx + w, base - h);
            house.lineTo(hx + w, base);
            house.closeSubpath();
            t.fillPath(house, QColor(18, 22, 40));
            const int windows = 1 + rng.below(3);
            for (int k = 0; k < windows; ++k) {
                if (rng.chance(0.25))
                    continue;
                const QPointF wc(hx + w * (k + 0.5) / windows, base - h * rng.range(0.35, 0.7));
                t.fillRect(QRectF(wc.x() - 16, wc.y() - 20, 32, 40), QColor(255, 190, 100, 220));
                glow(t, wc, 70, QColor(255, 170, 80, 60));
            }
            hx += w + rng.range(10, 60);
        }
        drawLayer(p, town.finish(5));
    }
    QPainterPath ground = hills(rng, -20, kWidth + 20, 840, 18, 1, kHeight + 10);
    fillPathVertical(p, ground, 800, kHeight,
                     {{0.0, QColor(120, 130, 168)}, {1.0, QColor(70, 78, 112)}});

    // The lamp's light: a cone and the pool it throws on the snow.
    {
        LogonSoftLayer light;
        QPainter& l = light.painter();
        l.setPen(Qt::NoPen);
        QPolygonF cone;
        cone << lamp + QPointF(-30, 20) << lamp + QPointF(30, 20) << QPointF(lamp.x() + 420, 960)
             << QPointF(lamp.x() - 420, 960);
        QRadialGradient fall(lamp, 700);
        fall.setColorAt(0.0, QColor(255, 200, 120, 90));
        fall.setColorAt(1.0, QColor(255, 200, 120, 0));
        l.setBrush(fall);
        l.drawPolygon(cone);
        l.save();
        l.translate(lamp.x(), 930);
        l.scale(1.0, 0.22);
        glow(l, QPointF(0, 0), 520, QColor(255, 200, 130, 150));
        l.restore();
        glow(l, lamp, 340, QColor(255, 190, 110, 90));
        drawLayer(p, light.finish(6), QPainter::CompositionMode_Plus);
    }

    // A park bench under the lamp, its seat and back heaped with snow.
    {
        const QColor wood(22, 22, 32);
        const double left = 960, right = 1230, seat = 850;
        p.setPen(Qt::NoPen);
        p.setBrush(wood);
        for (const double x : {left + 24, right - 24}) {
            p.drawRect(QRectF(x - 7, seat, 14, 72));
            p.drawRect(QRectF(x - 6, seat - 92, 12, 92));
        }
        p.drawRoundedRect(QRectF(left, seat - 8, right - left, 18), 4, 4);
        for (int k = 0; k < 2; ++k)
            p.drawRoundedRect(QRectF(left + 6, seat - 84 + k * 30, right - left - 12, 16), 4, 4);
        const QColor snow(214, 220, 238);
        auto heap = [&](double y, double thick) {
            QPainterPath mound(QPointF(left - 6, y + 4));
            mound.cubicTo(QPointF(left + 30, y - thick), QPointF(right - 60, y - thick * 1.2),
                          QPointF(right + 6, y + 4));
            mound.closeSubpath();
            QLinearGradient g(left, 0, right, 0);
            g.setColorAt(0.0, snow.darker(115));
            g.setColorAt(1.0, QColor(255, 238, 210));
            p.fillPath(mound, g);
        };
        heap(seat - 8, 26);
        heap(seat - 84, 18);
    }

    // The lamp post.
    p.setPen(Qt::NoPen);
    const QColor iron(14, 15, 22);
    p.setBrush(iron);
    p.drawRect(QRectF(lamp.x() - 9, lamp.y() + 60, 18, 880 - lamp.y()));
    p.drawRoundedRect(QRectF(lamp.x() - 24, 860, 48, 80), 8, 8);
    p.drawRect(QRectF(lamp.x() - 16, lamp.y() + 40, 32, 30));
    QPolygonF lantern;
    lantern << lamp + QPointF(-44, -40) << lamp + QPointF(44, -40) << lamp + QPointF(30, 45)
            << lamp + QPointF(-30, 45);
    QRadialGradient lit(lamp, 60);
    lit.setColorAt(0.0, QColor(255, 250, 225));
    lit.setColorAt(0.6, QColor(255, 215, 140));
    lit.setColorAt(1.0, QColor(230, 150, 70));
    p.setBrush(lit);
    p.drawPolygon(lantern);
    p.setPen(QPen(iron, 6));
    p.drawLine(lamp + QPointF(0, -40), lamp + QPointF(0, 45));
    p.drawLine(lamp + QPointF(-37, 0), lamp + QPointF(37, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(iron);
    QPolygonF roof;
    roof << lamp + QPointF(-62, -38) << lamp + QPointF(62, -38) << lamp + QPointF(10, -78)
         << lamp + QPointF(-10, -78);
    p.drawPolygon(roof);
    p.drawEllipse(lamp + QPointF(0, -86), 10, 10);
    p.setBrush(QColor(225, 230, 245));
    QPainterPath roofSnow;
    roofSnow.moveTo(lamp + QPointF(-66, -38));
    roofSnow.cubicTo(lamp + QPointF(-50, -60), lamp + QPointF(-10, -86), lamp + QPointF(0, -84));
    roofSnow.cubicTo(lamp + QPointF(10, -86), lamp + QPointF(50, -60), lamp + QPointF(66, -38));
    roofSnow.cubicTo(lamp + QPointF(40, -30), lamp + QPointF(-40, -30), lamp + QPointF(-66, -38));
    p.drawPath(roofSnow);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, lamp, 130, QColor(255, 210, 140, 200), 0.1);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Snow everywhere, and the flakes in the light glowing warm.
    snowDots(p, rng, kFull, 1600, 0.8, 3.5, 0.25, 0.75, QColor(215, 222, 240));
    {
        const QImage warm = [] {
            QImage dot = newCanvas(QSize(32, 32));
            QPainter d(&dot);
            d.setRenderHint(QPainter::Antialiasing);
            glow(d, QPointF(16, 16), 16, QColor(255, 235, 200), 0.25);
            return dot;
        }();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < 700; ++i) {
            const QPointF c(lamp.x() + rng.range(-520, 520), rng.range(lamp.y() - 200, 960));
            const double dx = std::abs(c.x() - lamp.x());
            const double reach = 60 + (c.y() - lamp.y()) * 0.62;
            if (dx > reach)
                continue;
            const double strength =
                (1.0 - dx / reach) *
                std::exp(-std::hypot(c.x() - lamp.x(), c.y() - lamp.y()) / 650.0);
            const double r = rng.range(1.5, 5.0);
            p.setOpacity(std::min(1.0, strength * 1.6));
            p.drawImage(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), warm);
        }
        p.setOpacity(1.0);
    }
    {
        LogonSoftLayer near;
        snowDots(near.painter(), rng, kFull, 40, 12, 30, 0.35, 0.75, QColor(220, 226, 245));
        drawLayer(p, near.finish(4));
    }
    p.end();
    grain(canvas, 4, 1);
    return canvas;
}

QImage paintInTheSnow()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(505);
    fillVertical(
        p, kFull,
        {{0.0, QColor(120, 146, 180)}, {0.5, QColor(190, 205, 222)}, {1.0, QColor(225, 232, 240)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(420, 120), 900, QColor(90, 80, 60, 110));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    struct Row {
        double base, minH, maxH;
        int count;
        QColor body, snow;
        double haze;
    };
    const Row rows[] = {
        {600, 110, 190, 46, QColor(150, 168, 190), QColor(222, 230, 240), 0.0},
        {670, 180, 300, 30, QColor(112, 134, 156), QColor(228, 235, 244), 0.0},
        {760, 280, 430, 20, QColor(74, 98, 114), QColor(236, 241, 248), 0.0},
        {880, 430, 620, 12, QColor(42, 66, 72), QColor(244, 247, 252), 0.0},
    };
    for (const Row& row : rows) {
        QPainterPath bank = hills(rng, -20, kWidth + 20, row.base + 10, 14, 2, kHeight + 10);
        fillPathVertical(p, bank, row.base - 20, row.base + 200,
                         {{0.0, row.snow}, {1.0, mix(row.snow, QColor(180, 195, 220), 0.5)}});
        std::vector<double> xs;
        for (int i = 0; i < row.count; ++i)
            xs.push_back(rng.range(-80, kWidth + 80));
        std::sort(xs.begin(), xs.end());
        for (double fx : xs) {
            // Keep a clearing in the middle so the eye can walk into the wood.
            const double centreGap = std::abs(fx - 960);
            if (row.base > 700 && centreGap < 260)
                continue;
            snowyFir(p, rng, QPointF(fx, row.base + rng.range(0, 30)),
                     rng.range(row.minH, row.maxH), row.body, row.snow, 0.75);
        }
        // Mist between the rows of trees.
        fillVertical(p, QRectF(0, row.base - 200, kWidth, 260),
                     {{0.0, QColor(225, 232, 242, 0)}, {1.0, QColor(225, 232, 242, 70)}});
    }
    QPainterPath ground = hills(rng, -20, kWidth + 20, 940, 24, 2, kHeight + 10);
    fillPathVertical(p, ground, 900, kHeight,
                     {{0.0, QColor(250, 252, 255)}, {1.0, QColor(200, 214, 236)}});
    // Soft blue hollows in the snow of the clearing.
    {
        LogonSoftLayer hollows(2);
        hollows.painter().setPen(Qt::NoPen);
        for (int k = 0; k < 5; ++k) {
            hollows.painter().setBrush(QColor(150, 170, 215, 60));
            hollows.painter().drawEllipse(QPointF(rng.range(500, 1400), rng.range(960, 1060)),
                                          rng.range(160, 320), rng.range(14, 26));
        }
        drawLayer(p, hollows.finish(4));
    }
    for (int i = 0; i < 4; ++i) {
        const bool left = i < 2;
        const double fx = left ? rng.range(-60, 260) : rng.range(1660, kWidth + 60);
        snowyFir(p, rng, QPointF(fx, kHeight + 40), rng.range(900, 1150), QColor(24, 46, 46),
                 QColor(246, 249, 253), 0.8);
    }
    {
        LogonSoftLayer rays;
        rays.painter().setPen(Qt::NoPen);
        for (int k = 0; k < 6; ++k) {
            const double a = (30 + k * 10 + rng.range(-3, 3)) * kPi / 180.0;
            const double spread = rng.range(1.5, 3.5) * kPi / 180.0;
            QPolygonF beam;
            beam << QPointF(300, -100)
                 << QPointF(300 + 2600 * std::cos(a - spread), -100 + 2600 * std::sin(a - spread))
                 << QPointF(300 + 2600 * std::cos(a + spread), -100 + 2600 * std::sin(a + spread));
            QRadialGradient fade(QPointF(300, -100), 1500);
            fade.setColorAt(0.0, QColor(255, 245, 220, 60));
            fade.setColorAt(1.0, QColor(255, 245, 220, 0));
            rays.painter().setBrush(fade);
            rays.painter().drawPolygon(beam);
        }
        drawLayer(p, rays.finish(10), QPainter::CompositionMode_Plus);
    }
    snowDots(p, rng, kFull, 700, 0.8, 3.0, 0.4, 0.9);
    {
        LogonSoftLayer near;
        snowDots(near.painter(), rng, kFull, 24, 12, 28, 0.45, 0.85);
        drawLayer(p, near.finish(3));
    }
    p.end();
    grain(canvas, 5, 1);
    return canvas;
}
