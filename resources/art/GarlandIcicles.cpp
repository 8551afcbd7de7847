#include "GarlandIcicles.h"

#include "ArtColour.h"
#include "GarlandLight.h"
#include "GarlandSurface.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace {

constexpr QSize kSize(100, 310);
constexpr qreal kWireY = 5.0;
constexpr qreal kStringStep = 80.0; // strings overlap by 20 pixels
constexpr std::array<qreal, 4> kDropX{10.0, 30.0, 50.0, 70.0};

struct IcicleVariant {
    std::array<qreal, 4> lengths; // from the wire to the tip of the last icicle
    QColor light;                 // colour of the lit crystals
};

IcicleVariant variantOf(int variant)
{
    static const std::array<IcicleVariant, 5> variants{{
        {{150, 236, 186, 302}, QColor(150, 206, 255)},
        {{262, 170, 292, 206}, QColor(222, 238, 255)},
        {{190, 300, 142, 250}, QColor(130, 228, 246)},
        {{282, 216, 250, 166}, QColor(172, 178, 255)},
        {{176, 272, 210, 305}, QColor(236, 242, 252)},
    }};
    return variants[size_t(variant) % variants.size()];
}

// A pointed crystal hanging from top, halfWidth wide, length long.
QPainterPath crystalPath(QPointF top, qreal halfWidth, qreal length)
{
    QPainterPath path;
    path.moveTo(top + QPointF(-halfWidth * 0.55, 0));
    path.cubicTo(top + QPointF(-halfWidth * 1.05, length * 0.12),
                 top + QPointF(-halfWidth * 0.95, length * 0.45), top + QPointF(0, length));
    path.cubicTo(top + QPointF(halfWidth * 0.95, length * 0.45),
                 top + QPointF(halfWidth * 1.05, length * 0.12),
                 top + QPointF(halfWidth * 0.55, 0));
    path.closeSubpath();
    return path;
}

void paintCrystal(QPainter& p, QPointF top, qreal halfWidth, qreal length, const QColor& light,
                  bool lit)
{
    const QPainterPath body = crystalPath(top, halfWidth, length);
    QLinearGradient fill(top + QPointF(-halfWidth, 0), top + QPointF(halfWidth, 0));
    if (lit) {
        fill.setColorAt(0.0, ArtColour::scaled(light, 0.86));
        fill.setColorAt(0.45, QColor(255, 255, 255));
        fill.setColorAt(1.0, ArtColour::scaled(light, 0.78));
    } else {
        fill.setColorAt(0.0, QColor(130, 152, 176, 190));
        fill.setColorAt(0.4, QColor(236, 244, 252, 215));
        fill.setColorAt(0.6, QColor(170, 192, 214, 190));
        fill.setColorAt(1.0, QColor(96, 118, 142, 200));
    }
    // A steel-blue edge keeps the crystal in sight on a light desktop, where
    // its glow and its white body alone would melt into the background.
    p.setPen(QPen(lit ? ArtColour::withAlpha(ArtColour::scaled(light, 0.5), 0.85)
                      : QColor(62, 82, 106, 225),
                  0.6));
    p.setBrush(fill);
    p.drawPath(body);
    // The ridge of the cut crystal.
    p.setPen(QPen(QColor(255, 255, 255, lit ? 230 : 200), 0.4));
    p.drawLine(top + QPointF(-halfWidth * 0.15, length * 0.08), top + QPointF(0, length * 0.9));
    p.setPen(Qt::NoPen);
}

void paintClip(QPainter& p, QPointF at)
{
    QLinearGradient g(at + QPointF(-1.6, 0), at + QPointF(1.6, 0));
    g.setColorAt(0.0, QColor(170, 180, 190, 230));
    g.setColorAt(0.4, QColor(250, 252, 255, 240));
    g.setColorAt(1.0, QColor(150, 160, 172, 230));
    p.setBrush(g);
    p.setPen(QPen(QColor(70, 80, 92, 200), 0.4));
    p.drawRoundedRect(QRectF(at.x() - 1.6, at.y() - 2.2, 3.2, 4.6), 0.8, 0.8);
    p.setPen(Qt::NoPen);
}

// Where the first light of a drop hangs: staggered from drop to drop so the
// lights of a long row do not line up like a grid.
qreal firstLed(int variant, size_t drop)
{
    return kWireY + 11.0 + qreal((int(drop) * 8 + variant * 5) % 21);
}

} // namespace

QImage paintIcicleString(int variant, bool lit)
{
    const IcicleVariant v = variantOf(variant);
    GarlandSurface surface(kSize, 3);
    QPainter p;
    surface.begin(p);

    // A dark core with a pale strand: the wire shows on light and dark desktops.
    const QColor wire(214, 224, 234, 210), wireShade(70, 82, 98, 235);
    const qreal ledStep = 21.0, tipLength = 24.0;

    // Light first, under the wires and crystals.
    if (lit) {
        for (size_t d = 0; d < kDropX.size(); ++d) {
            const qreal x = kDropX[d], end = kWireY + v.lengths[d];
            for (qreal y = firstLed(variant, d); y < end - tipLength - 6.0; y += ledStep)
                paintHalo(p, QPointF(x, y + 5.0), 9.5, 11.0, v.light, 0.8);
            paintHalo(p, QPointF(x, end - tipLength * 0.55), 9.0, tipLength * 0.8, v.light, 0.65);
        }
    }

    // The top wire stops where the next string's begins, so the wire runs on
    // unbroken along the edge and no stretch of it is drawn twice (a doubled
    // stretch would stand out brighter every 80 pixels).
    p.setPen(QPen(wireShade, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, kWireY), QPointF(kStringStep, kWireY));
    p.setPen(QPen(wire, 0.7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, kWireY - 0.3), QPointF(kStringStep, kWireY - 0.3));

    for (size_t d = 0; d < kDropX.size(); ++d) {
        const qreal x = kDropX[d], end = kWireY + v.lengths[d];
        const qreal tipTop = end - tipLength;
        p.setPen(QPen(wireShade, 1.1));
        p.drawLine(QPointF(x, kWireY), QPointF(x, tipTop + 1));
        p.setPen(QPen(wire, 0.4));
        p.drawLine(QPointF(x - 0.2, kWireY), QPointF(x - 0.2, tipTop + 1));
        p.setPen(Qt::NoPen);
        paintClip(p, QPointF(x, kWireY));
        for (qreal y = firstLed(variant, d); y < end - tipLength - 6.0; y += ledStep)
            paintCrystal(p, QPointF(x, y), 2.8, 11.0, v.light, lit);
        paintCrystal(p, QPointF(x, tipTop), 3.4, tipLength, v.light, lit);
    }
    p.end();
    return surface.result();
}
