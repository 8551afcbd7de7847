#include "SnowCrystals.h"

#include "ArtRegistry.h"
#include "SnowLook.h"
#include "SnowMask.h"
#include "SnowShapes.h"

#include "vocabulary/SnowPictures.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

using namespace SnowShapes;

namespace {

constexpr int side = 32;
const QPointF centre(16.0, 16.0);

// Outlines drawn with a pen instead of filled.
void outline(QPainter& p, const QPolygonF& polygon, double width)
{
    p.save();
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(polygon);
    p.restore();
}

void ring(QPainter& p, QPointF at, double radius, double width)
{
    p.save();
    p.setPen(QPen(Qt::white, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

// Cuts a fine line into a plate, like the ridges seen in real plate crystals.
void groove(QPainter& p, QPointF from, QPointF to, double width, int strength)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(QPen(QColor(0, 0, 0, strength), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.restore();
}

// The crystals are drawn fine, then filled out a little so each needle is
// solid white at the size it falls; a soft blue shadow rather than a grey
// outline sets them off a light desktop the way snow looks against the sky.
SnowLook crystalLook(QColor body)
{
    SnowLook look;
    look.body = body;
    look.rim = QColor(176, 208, 248);
    look.volumeSigma = 0.8f;
    look.volumeFull = 0.45f;
    look.halo = QColor(34, 66, 128);
    look.haloAlpha = 0.42f;
    look.haloSigma = 1.0f;
    look.haloOffset = QPointF(0.0, 0.0);
    return look;
}

QImage crystal(const std::function<void(QPainter&)>& draw, QColor body = QColor(255, 255, 255))
{
    return crystalLook(body).render(
        SnowMask::painted(side, side, draw).blurred(0.4f).multiplied(1.55f));
}

// Branch pairs leaving the arm at 60 degrees, like a real dendrite's.
void branches(QPainter& p, double at, double length, double width)
{
    const double dx = length * std::sin(std::numbers::pi / 3.0);
    const double dy = length * std::cos(std::numbers::pi / 3.0);
    needle(p, QPointF(0, -at), QPointF(dx, -at - dy), width);
    needle(p, QPointF(0, -at), QPointF(-dx, -at - dy), width);
}

QImage fernDendrite()
{
    return crystal([](QPainter& p) {
        p.drawPolygon(regular(centre, 2.6, 6, 30.0));
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            needle(arm, QPointF(0, 0), QPointF(0, -13.2), 1.3);
            branches(arm, 4.0, 3.8, 0.95);
            branches(arm, 6.6, 3.3, 0.9);
            branches(arm, 9.0, 2.5, 0.85);
            branches(arm, 11.2, 1.5, 0.8);
        });
    });
}

QImage stellarPlate()
{
    return crystal([](QPainter& p) {
        p.drawPolygon(regular(centre, 4.2, 6, 0.0));
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            arm.drawPolygon(QPolygonF{QPointF(-1.5, -2.5), QPointF(-2.6, -9.0), QPointF(0, -13.3),
                                      QPointF(2.6, -9.0), QPointF(1.5, -2.5)});
        });
        radial(p, centre, 6, 0.0,
               [](QPainter& arm) { groove(arm, QPointF(0, -4.8), QPointF(0, -10.8), 0.55, 170); });
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.setPen(QPen(QColor(0, 0, 0, 150), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(regular(centre, 2.6, 6, 0.0));
        p.restore();
    });
}

QImage broadBranches()
{
    return crystal([](QPainter& p) {
        disc(p, centre, 2.8);
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            needle(arm, QPointF(0, 0), QPointF(0, -12.6), 1.6);
            needle(arm, QPointF(0, -6.5), QPointF(3.7, -9.8), 1.3);
            needle(arm, QPointF(0, -6.5), QPointF(-3.7, -9.8), 1.3);
            disc(arm, QPointF(0, -12.6), 1.25);
            disc(arm, QPointF(3.7, -9.8), 1.0);
            disc(arm, QPointF(-3.7, -9.8), 1.0);
        });
    });
}

// A star-shaped plate with ridges to its points and a small window in the middle.
QImage starPlate()
{
    return crystal(
        [](QPainter& p) {
            QPolygonF star;
            for (int i = 0; i < 12; ++i) {
                const double radius = i % 2 == 0 ? 13.2 : 6.0;
                const double angle = (30.0 * i - 90.0) * std::numbers::pi / 180.0;
                star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            }
            p.drawPolygon(star);
            radial(p, centre, 6, 0.0, [](QPainter& arm) {
                groove(arm, QPointF(0, -3.4), QPointF(0, -10.5), 0.6, 160);
            });
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            p.setBrush(QColor(0, 0, 0, 200));
            p.drawPolygon(regular(centre, 1.8, 6, 30.0));
            p.restore();
        },
        QColor(250, 252, 255));
}

QImage sectoredPlate()
{
    return crystal([](QPainter& p) {
        p.drawPolygon(regular(centre, 10.6, 6, 0.0));
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            needle(arm, QPointF(0, -9.0), QPointF(0, -13.4), 1.2);
            groove(arm, QPointF(0, -2.0), QPointF(0, -9.2), 0.6, 150);
        });
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.setPen(QPen(QColor(0, 0, 0, 130), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(regular(centre, 6.2, 6, 0.0));
        p.restore();
    });
}

QImage diamondTips()
{
    return crystal([](QPainter& p) {
        ring(p, centre, 4.0, 1.2);
        disc(p, centre, 1.5);
        radial(p, centre, 6, 30.0, [](QPainter& arm) {
            needle(arm, QPointF(0, -4.6), QPointF(0, -8.2), 1.1);
            outline(arm,
                    QPolygonF{QPointF(0, -8.2), QPointF(2.2, -10.6), QPointF(0, -13.4),
                              QPointF(-2.2, -10.6)},
                    1.0);
        });
    });
}

QImage twelveRays()
{
    return crystal([](QPainter& p) {
        disc(p, centre, 2.2);
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            needle(arm, QPointF(0, 0), QPointF(0, -11.0), 1.2);
            arm.drawPolygon(QPolygonF{QPointF(0, -10.0), QPointF(1.3, -11.7), QPointF(0, -13.6),
                                      QPointF(-1.3, -11.7)});
        });
        radial(p, centre, 6, 30.0, [](QPainter& arm) {
            needle(arm, QPointF(0, 0), QPointF(0, -7.0), 1.0);
            disc(arm, QPointF(0, -7.4), 0.9);
        });
    });
}

QImage glowingStar()
{
    const auto rays = [](QPainter& p) {
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            arm.drawPolygon(QPolygonF{QPointF(-1.7, 0), QPointF(0, -13.2), QPointF(1.7, 0)});
        });
        radial(p, centre, 6, 30.0, [](QPainter& arm) {
            arm.drawPolygon(QPolygonF{QPointF(-1.1, 0), QPointF(0, -6.8), QPointF(1.1, 0)});
        });
        disc(p, centre, 2.4);
    };
    // A soft glow under the rays lets this one shine among the crystals.
    const SnowMask shape = SnowMask::painted(side, side, rays);
    const SnowMask glow = SnowMask::painted(side, side, [](QPainter& p) { disc(p, centre, 7.0); })
                              .blurred(2.2f)
                              .multiplied(0.35f);
    SnowLook look = crystalLook(QColor(255, 255, 255));
    look.rim = QColor(170, 210, 255);
    look.volumeSigma = 1.0f;
    look.volumeFull = 0.6f;
    return look.render(shape.combined(glow));
}

QImage ringedNeedles()
{
    return crystal([](QPainter& p) {
        outline(p, regular(centre, 5.0, 6, 30.0), 1.1);
        disc(p, centre, 1.6);
        radial(p, centre, 6, 0.0, [](QPainter& arm) {
            needle(arm, QPointF(0, -4.3), QPointF(0, -7.0), 1.0);
            ring(arm, QPointF(0, -9.0), 2.0, 0.9);
            needle(arm, QPointF(0, -11.0), QPointF(0, -13.0), 1.0);
            disc(arm, QPointF(0, -13.4), 0.8);
        });
    });
}

} // namespace

void paintFantasySnow(ArtSink& sink)
{
    const std::pair<unsigned, QImage (*)()> crystals[] = {
        {kFernDendritePicture, &fernDendrite},   {kStellarPlatePicture, &stellarPlate},
        {kBroadBranchesPicture, &broadBranches}, {kStarPlatePicture, &starPlate},
        {kSectoredPlatePicture, &sectoredPlate}, {kDiamondTipsPicture, &diamondTips},
        {kTwelveRaysPicture, &twelveRays},       {kGlowingStarPicture, &glowingStar},
        {kRingedNeedlesPicture, &ringedNeedles},
    };
    for (const auto& [id, make] : crystals)
        sink.add(QStringLiteral("png/%1.png").arg(id), make());
}
