// Decorated trees: golden by the fire, green under the northern lights and
// blue and silver in the frost.
#include "ArtRandom.h"
#include "LogonChristmasTree.h"
#include "LogonPainting.h"
#include "LogonScenes.h"
#include "LogonSoftLayer.h"

#include <QLinearGradient>

#include <cmath>
#include <numbers>

using namespace logon;

namespace {

constexpr double kPi = std::numbers::pi;
const QRectF kFull(0, 0, kWidth, kHeight);

} // namespace

QImage paintTree()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(1401);
    fillVertical(p, kFull,
                 {{0.0, QColor(22, 10, 6)}, {0.6, QColor(54, 26, 14)}, {1.0, QColor(30, 14, 8)}});
    // A warm room behind, out of focus: fairy lights and the fire's glow.
    {
        LogonSoftLayer room;
        glow(room.painter(), QPointF(300, 700), 700, QColor(255, 120, 40, 90));
        glow(room.painter(), QPointF(1700, 500), 600, QColor(255, 170, 80, 60));
        for (int i = 0; i < 60; ++i) {
            const QPointF c(rng.range(0, kWidth), rng.range(40, 760));
            bokehDisc(room.painter(), c, rng.range(20, 70),
                      rng.chance(0.7) ? QColor(255, 190, 90) : QColor(255, 120, 60),
                      rng.range(0.15, 0.45));
        }
        drawLayer(p, room.finish(4), QPainter::CompositionMode_Plus);
    }
    // Floor boards.
    fillVertical(p, QRectF(0, 880, kWidth, 200),
                 {{0.0, QColor(70, 36, 18)}, {1.0, QColor(38, 18, 8)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(960, 920), 700, QColor(120, 70, 20, 90));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(960, 520), 620, QColor(120, 80, 30, 110));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    ChristmasTreeStyle style;
    style.needleDark = QColor(18, 62, 36);
    style.needleLight = QColor(80, 150, 70);
    style.baubles = {QColor(190, 20, 30), QColor(220, 160, 40), QColor(170, 15, 25),
                     QColor(230, 190, 90)};
    style.lights = {QColor(255, 210, 120), QColor(255, 190, 90), QColor(255, 230, 170)};
    style.star = QColor(240, 190, 60);
    paintChristmasTree(p, rng, QPointF(960, 930), 830, style);

    paintPresent(p, QRectF(700, 840, 170, 130), QColor(170, 20, 30), QColor(230, 190, 80));
    paintPresent(p, QRectF(1050, 860, 130, 110), QColor(30, 90, 60), QColor(230, 60, 50));
    paintPresent(p, QRectF(860, 890, 210, 100), QColor(220, 180, 90), QColor(160, 20, 30));
    paintPresent(p, QRectF(1170, 900, 110, 80), QColor(150, 30, 60), QColor(255, 230, 180));
    p.end();
    grain(canvas, 14, 1);
    return canvas;
}

QImage paintGreenTree()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(1402);
    fillVertical(p, kFull,
                 {{0.0, QColor(2, 8, 20)}, {0.55, QColor(6, 26, 40)}, {1.0, QColor(14, 50, 60)}});
    stars(p, rng, QRectF(0, 0, kWidth, 700), 500, 0.9);
    // Northern lights: curtains of green hanging in folds.
    {
        LogonSoftLayer aurora(2);
        QPainter& a = aurora.painter();
        for (int band = 0; band < 3; ++band) {
            const double baseY = 330 + band * 70;
            const double phase = rng.range(0, 2 * kPi);
            for (int x = -40; x < kWidth + 40; x += 6) {
                const double wave =
                    std::sin(x * 0.0032 + phase) * 120 + std::sin(x * 0.011 + phase * 2) * 30;
                const double y = baseY + wave;
                const double strength = 0.5 + 0.5 * std::sin(x * 0.006 + phase * 3);
                const double tall = 220 + 160 * strength;
                QLinearGradient curtain(0, y - tall, 0, y);
                const QColor top = band == 1 ? QColor(120, 90, 220) : QColor(40, 200, 170);
                curtain.setColorAt(0.0, withAlpha(top, 0.0));
                curtain.setColorAt(0.6, withAlpha(QColor(60, 255, 150), 0.12 * strength + 0.03));
                curtain.setColorAt(0.92, withAlpha(QColor(150, 255, 180), 0.3 * strength + 0.05));
                curtain.setColorAt(1.0, withAlpha(QColor(60, 255, 150), 0.0));
                a.fillRect(QRectF(x, y - tall, 7, tall), curtain);
            }
        }
        drawLayer(p, aurora.finish(6), QPainter::CompositionMode_Plus);
    }
    QPainterPath far = hills(rng, -20, kWidth + 20, 760, 50, 2, kHeight + 10);
    fillPathVertical(p, far, 700, 900, {{0.0, QColor(60, 90, 110)}, {1.0, QColor(30, 50, 70)}});
    for (int i = 0; i < 40; ++i)
        snowyFir(p, rng, QPointF(rng.range(-30, kWidth + 30), 770 + rng.range(0, 40)),
                 rng.range(60, 130), QColor(10, 30, 36), QColor(110, 150, 160), 0.5);
    QPainterPath hill(QPointF(-20, kHeight + 10));
    hill.lineTo(-20, 960);
    hill.cubicTo(500, 980, 900, 880, 1300, 870);
    hill.cubicTo(1600, 866, 1800, 900, kWidth + 20, 930);
    hill.lineTo(kWidth + 20, kHeight + 10);
    hill.closeSubpath();
    fillPathVertical(p, hill, 860, kHeight,
                     {{0.0, QColor(170, 205, 215)}, {1.0, QColor(70, 110, 130)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.save();
    p.translate(1300, 895);
    p.scale(1.0, 0.2);
    glow(p, QPointF(0, 0), 520, QColor(120, 110, 70, 140));
    p.restore();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    ChristmasTreeStyle style;
    style.needleDark = QColor(14, 60, 40);
    style.needleLight = QColor(70, 160, 90);
    style.baubles = {QColor(200, 30, 40), QColor(230, 180, 40), QColor(40, 90, 200),
                     QColor(230, 230, 235)};
    style.lights = {QColor(255, 80, 80), QColor(255, 210, 80), QColor(90, 170, 255),
                    QColor(120, 255, 140), QColor(255, 120, 220)};
    style.star = QColor(255, 215, 90);
    style.frost = 0.3;
    paintChristmasTree(p, rng, QPointF(1300, 900), 700, style);
    snowDots(p, rng, kFull, 400, 0.8, 2.6, 0.3, 0.8);
    p.end();
    grain(canvas, 15, 1);
    return canvas;
}

QImage paintBlueTree()
{
    QImage canvas = newCanvas();
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ArtRandom rng = ArtRandom::spreadSeed(1403);
    fillVertical(p, kFull,
                 {{0.0, QColor(4, 10, 34)}, {0.6, QColor(12, 34, 86)}, {1.0, QColor(20, 50, 110)}});
    {
        LogonSoftLayer lights;
        glow(lights.painter(), QPointF(960, 480), 900, QColor(60, 110, 220, 90));
        for (int i = 0; i < 70; ++i) {
            const QPointF c(rng.range(0, kWidth), rng.range(0, 860));
            bokehDisc(lights.painter(), c, rng.range(20, 80),
                      rng.chance(0.6) ? QColor(110, 170, 255) : QColor(200, 225, 255),
                      rng.range(0.1, 0.35));
        }
        drawLayer(p, lights.finish(4), QPainter::CompositionMode_Plus);
    }
    QPainterPath ground = hills(rng, -20, kWidth + 20, 900, 20, 2, kHeight + 10);
    fillPathVertical(p, ground, 860, kHeight,
                     {{0.0, QColor(170, 200, 245)}, {1.0, QColor(60, 90, 160)}});
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.save();
    p.translate(960, 915);
    p.scale(1.0, 0.18);
    glow(p, QPointF(0, 0), 600, QColor(90, 130, 220, 160));
    p.restore();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    ChristmasTreeStyle style;
    style.needleDark = QColor(16, 50, 70);
    style.needleLight = QColor(110, 160, 190);
    style.baubles = {QColor(40, 90, 220), QColor(190, 200, 220), QColor(90, 160, 240),
                     QColor(30, 50, 150)};
    style.lights = {QColor(140, 190, 255), QColor(220, 235, 255), QColor(90, 140, 255)};
    style.star = QColor(210, 220, 240);
    style.frost = 0.55;
    paintChristmasTree(p, rng, QPointF(960, 920), 800, style);
    snowDots(p, rng, kFull, 700, 0.8, 3.0, 0.3, 0.85, QColor(225, 235, 255));
    {
        LogonSoftLayer near;
        snowDots(near.painter(), rng, kFull, 30, 12, 30, 0.3, 0.7, QColor(200, 220, 255));
        drawLayer(p, near.finish(3));
    }
    p.end();
    grain(canvas, 16, 1);
    return canvas;
}
