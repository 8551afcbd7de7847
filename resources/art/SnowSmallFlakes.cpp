#include "SnowSmallFlakes.h"

#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "SnowLook.h"
#include "SnowMask.h"
#include "SnowShapes.h"

#include "vocabulary/SnowPictures.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace SnowShapes;

namespace {

constexpr int fluffySide = 16;
const QPointF fluffyCentre(8.0, 8.0);

QString pngPath(unsigned id)
{
    return QStringLiteral("png/%1.png").arg(id);
}

// Fluffy flakes are soft: their shape is blurred a little and their thin
// parts turn faintly blue, so they read as loose snow rather than crystals.
SnowLook fluffyLook()
{
    SnowLook look;
    look.volumeSigma = 0.9f;
    look.volumeFull = 0.75f;
    look.relief = 0.6f;
    look.rim = QColor(188, 204, 228);
    return look;
}

QImage fluffy(const std::function<void(QPainter&)>& draw, float softness = 0.35f)
{
    const SnowMask shape = SnowMask::painted(fluffySide, fluffySide, draw).blurred(softness);
    return fluffyLook().render(shape.multiplied(1.08f));
}

// A loose ball of snow: overlapping round lumps inside the given radius.
void lumps(QPainter& painter, std::uint64_t seed, QPointF centre, double radius, int count,
           double stretch = 1.0, double tiltDegrees = 0.0)
{
    ArtRandom random(seed);
    painter.save();
    painter.translate(centre);
    painter.rotate(tiltDegrees);
    disc(painter, QPointF(0, 0), radius * 0.55);
    for (int i = 0; i < count; ++i) {
        const double angle = random.range(0.0, 2.0 * std::numbers::pi);
        const double distance = radius * std::sqrt(random.unit()) * 0.62;
        const double lumpRadius = radius * random.range(0.22, 0.42);
        disc(painter, QPointF(std::cos(angle) * distance * stretch, std::sin(angle) * distance),
             lumpRadius);
    }
    painter.restore();
}

QImage fluffyPuff()
{
    return fluffy([](QPainter& p) { lumps(p, 195, fluffyCentre, 6.0, 9); }, 0.45f);
}

QImage fluffyStar()
{
    return fluffy([](QPainter& p) {
        disc(p, fluffyCentre, 2.2);
        radial(p, fluffyCentre, 6, 0.0, [](QPainter& arm) {
            needle(arm, QPointF(0, 0), QPointF(0, -5.6), 1.5);
            needle(arm, QPointF(0, -3.2), QPointF(1.5, -4.6), 0.9);
            needle(arm, QPointF(0, -3.2), QPointF(-1.5, -4.6), 0.9);
        });
    });
}

QImage fluffyClump()
{
    return fluffy(
        [](QPainter& p) {
            disc(p, QPointF(6.6, 7.0), 3.6);
            disc(p, QPointF(9.9, 8.7), 3.0);
            disc(p, QPointF(7.6, 10.6), 2.6);
            disc(p, QPointF(10.0, 5.6), 2.0);
            disc(p, QPointF(4.4, 9.8), 1.6);
        },
        0.5f);
}

QImage fluffyDendrite()
{
    return fluffy(
        [](QPainter& p) {
            p.drawPolygon(regular(fluffyCentre, 2.0, 6, 30.0));
            radial(p, fluffyCentre, 6, 15.0, [](QPainter& arm) {
                needle(arm, QPointF(0, 0), QPointF(0, -6.2), 1.1);
                needle(arm, QPointF(0, -2.4), QPointF(1.6, -3.9), 0.8);
                needle(arm, QPointF(0, -2.4), QPointF(-1.6, -3.9), 0.8);
                needle(arm, QPointF(0, -4.3), QPointF(1.2, -5.4), 0.7);
                needle(arm, QPointF(0, -4.3), QPointF(-1.2, -5.4), 0.7);
            });
        },
        0.3f);
}

QImage fluffyPlate()
{
    return fluffy([](QPainter& p) {
        p.drawPolygon(regular(fluffyCentre, 4.2, 6, 0.0));
        radial(p, fluffyCentre, 6, 0.0,
               [](QPainter& arm) { needle(arm, QPointF(0, -3.5), QPointF(0, -6.0), 1.6); });
        // A hollow centre, as seen in plate crystals.
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.setBrush(QColor(0, 0, 0, 150));
        p.drawPolygon(regular(fluffyCentre, 1.8, 6, 30.0));
    });
}

QImage fluffyBloom()
{
    return fluffy(
        [](QPainter& p) {
            disc(p, fluffyCentre, 3.2);
            radial(p, fluffyCentre, 6, 30.0,
                   [](QPainter& arm) { needle(arm, QPointF(0, 0), QPointF(0, -5.0), 2.2); });
        },
        0.5f);
}

QImage fluffyDrift()
{
    return fluffy([](QPainter& p) { lumps(p, 202, fluffyCentre, 6.2, 8, 1.35, -30.0); }, 0.5f);
}

QImage fluffyAsterisk()
{
    return fluffy(
        [](QPainter& p) {
            disc(p, fluffyCentre, 1.6);
            radial(p, fluffyCentre, 6, 10.0, [](QPainter& arm) {
                needle(arm, QPointF(0, 0), QPointF(0, -4.4), 1.0);
                disc(arm, QPointF(0, -5.0), 1.35);
            });
        },
        0.3f);
}

// A single soft ball, brightest in the middle.
QImage fluffyBall()
{
    SnowMask shape(fluffySide, fluffySide);
    for (int y = 0; y < fluffySide; ++y)
        for (int x = 0; x < fluffySide; ++x) {
            const double dx = x + 0.5 - 7.7, dy = y + 0.5 - 7.9;
            const double d = std::sqrt(dx * dx + dy * dy);
            shape.pixel(x, y) = static_cast<float>(std::clamp((5.8 - d) / 2.6, 0.0, 1.0));
        }
    SnowLook look = fluffyLook();
    look.volumeSigma = 1.2f;
    return look.render(shape);
}

} // namespace

void paintFluffySnow(ArtSink& sink)
{
    // One pixel: a light blue-grey rather than white, so it still shows on a
    // white window.
    sink.add(pngPath(kFluffySnowPictures[0]),
             fromPixels(1, 1, {premultiplied(236, 242, 252, 245)}));
    const QRgb edge = premultiplied(240, 245, 254, 215);
    const QRgb corner = premultiplied(190, 210, 242, 120);
    sink.add(pngPath(kFluffySnowPictures[1]),
             fromPixels(3, 3,
                        {corner, edge, corner,                          //
                         edge, premultiplied(255, 255, 255, 255), edge, //
                         corner, edge, premultiplied(150, 178, 224, 140)}));
    sink.add(pngPath(kFluffySnowPictures[2]), fluffyPuff());
    sink.add(pngPath(kFluffySnowPictures[3]), fluffyStar());
    sink.add(pngPath(kFluffySnowPictures[4]), fluffyClump());
    sink.add(pngPath(kFluffySnowPictures[5]), fluffyDendrite());
    sink.add(pngPath(kFluffySnowPictures[6]), fluffyPlate());
    sink.add(pngPath(kFluffySnowPictures[7]), fluffyBloom());
    sink.add(pngPath(kFluffySnowPictures[8]), fluffyDrift());
    sink.add(pngPath(kFluffySnowPictures[9]), fluffyAsterisk());
    sink.add(pngPath(kFluffySnowPictures[10]), fluffyBall());
}

// Fine snow is a pixel or a few: soft white dots that fade to a pale blue
// at their edges, never to grey, so they read as snow on a dark desktop and
// don't look like dust on a light one.
void paintFineSnow(ArtSink& sink)
{
    sink.add(pngPath(kFineSnowPictures[0]), fromPixels(1, 1, {premultiplied(250, 252, 255, 245)}));
    sink.add(pngPath(kFineSnowPictures[1]),
             fromPixels(2, 2,
                        {premultiplied(255, 255, 255, 250), premultiplied(240, 246, 255, 225),
                         premultiplied(236, 244, 255, 225), premultiplied(204, 222, 248, 190)}));
    const QRgb edge = premultiplied(244, 248, 255, 220);
    const QRgb corner = premultiplied(206, 224, 250, 120);
    sink.add(pngPath(kFineSnowPictures[2]),
             fromPixels(3, 3,
                        {corner, edge, corner,                          //
                         edge, premultiplied(255, 255, 255, 255), edge, //
                         corner, edge, corner}));
}

void paintSparklingSnow(ArtSink& sink)
{
    // On a pixel's middle, so the long rays are one sharp pixel wide.
    const QPointF centre(4.5, 4.5);
    // A streak of light, brightest at the core and gone at its tip.
    auto ray = [](QPainter& p, double length, double width, double strength) {
        QLinearGradient fade(QPointF(0, 0), QPointF(0, -length));
        fade.setColorAt(0.0, QColor(255, 255, 255, int(255 * strength)));
        fade.setColorAt(0.75, QColor(255, 255, 255, int(205 * strength)));
        fade.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawPolygon(QPolygonF{QPointF(width, 0), QPointF(0.12, -length), QPointF(-0.12, -length),
                                QPointF(-width, 0)});
    };
    auto glowOf = [&](double radius, float sigma, float strength) {
        return SnowMask::painted(10, 10, [&](QPainter& p) { disc(p, centre, radius); })
            .blurred(sigma)
            .multiplied(strength);
    };
    // White at the heart, ice blue towards the tips, in a soft blue shadow:
    // the glint shows on a light desktop too.
    SnowLook look;
    look.body = QColor(255, 255, 255);
    look.rim = QColor(132, 188, 255);
    look.volumeSigma = 0.5f;
    look.volumeFull = 0.75f;
    look.halo = QColor(30, 64, 132);
    look.haloAlpha = 0.6f;
    look.haloSigma = 0.75f;
    look.haloOffset = QPointF(0.0, 0.0);

    // The glint: a hot core with long upright and level streaks and short
    // diagonal ones, in a small bloom of light.
    const SnowMask flash =
        SnowMask::painted(10, 10, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            radial(p, centre, 4, 0.0, [&](QPainter& arm) { ray(arm, 4.5, 0.65, 1.0); });
            radial(p, centre, 4, 45.0, [&](QPainter& arm) { ray(arm, 3.1, 0.5, 0.8); });
            disc(p, centre, 0.9);
        }).combined(glowOf(2.3, 1.0f, 0.9f));
    // Its afterglow: a dimmer, smaller twinkle. Shown in turn with the glint,
    // the flake flickers.
    const SnowMask glow =
        SnowMask::painted(10, 10, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            radial(p, centre, 4, 0.0, [&](QPainter& arm) { ray(arm, 3.2, 0.5, 0.7); });
            disc(p, centre, 0.7);
        }).combined(glowOf(1.4, 0.8f, 0.45f));
    sink.add(pngPath(kSparklingSnowPictures[0]), look.render(flash));
    sink.add(pngPath(kSparklingSnowPictures[1]), look.render(glow));
}
