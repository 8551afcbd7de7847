#include "CursorOrnaments.h"

#include "CursorCanvas.h"
#include "CursorRibbon.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

using CursorRibbon::darker;
using CursorRibbon::lighter;

namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kRibbonRed(214, 28, 40);
const QColor kGold(232, 182, 52);

class Dice {
public:
    explicit Dice(unsigned seed) : m_engine(seed) {}
    double operator()(double low, double high)
    {
        return low + (high - low) * ((m_engine() >> 8) * (1.0 / 16777216.0));
    }

private:
    std::mt19937 m_engine;
};

// A leaf or bract pointed at both ends, from the origin along +x.
QPainterPath leafPath(double length, double width)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.28, -width * 0.62, length * 0.68, -width * 0.5, length, 0);
    leaf.cubicTo(length * 0.68, width * 0.5, length * 0.28, width * 0.62, 0, 0);
    leaf.closeSubpath();
    return leaf;
}

void drawLeaf(QPainter& p, QPointF base, double angle, double length, double width,
              const QColor& colour, bool veins)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QLinearGradient shade(0, -width / 2, 0, width / 2);
    shade.setColorAt(0, lighter(colour, 0.18));
    shade.setColorAt(1, darker(colour, 0.25));
    p.setBrush(shade);
    p.setPen(QPen(darker(colour, 0.5), 0.3));
    p.drawPath(leafPath(length, width));
    if (veins) {
        p.setPen(QPen(darker(colour, 0.35), 0.35, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(length * 0.08, 0), QPointF(length * 0.85, 0));
        for (const double at : {0.35, 0.6}) {
            p.drawLine(QPointF(length * at, 0), QPointF(length * (at + 0.16), -width * 0.26));
            p.drawLine(QPointF(length * at, 0), QPointF(length * (at + 0.16), width * 0.26));
        }
    }
    p.restore();
}

// A small glossy sphere: berries, baubles.
void drawBead(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient shine(centre, radius, centre - QPointF(radius * 0.4, radius * 0.45));
    shine.setColorAt(0, lighter(colour, 0.7));
    shine.setColorAt(0.45, colour);
    shine.setColorAt(1, darker(colour, 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
}

// Fir twigs laid round a ring, with berries; shared by both wreaths.
void drawWreathRing(QPainter& p, QPointF centre, double outer, double inner, unsigned seed,
                    int berryClusters, double berryRadius)
{
    Dice dice(seed);
    const double middle = (outer + inner) / 2, band = outer - inner;
    QPainterPath ring;
    ring.addEllipse(centre, outer - band * 0.12, outer - band * 0.12);
    ring.addEllipse(centre, inner + band * 0.12, inner + band * 0.12);
    QRadialGradient base(centre, outer);
    base.setColorAt(inner / outer, QColor(14, 58, 28));
    base.setColorAt((middle / outer), QColor(22, 86, 38));
    base.setColorAt(1, QColor(12, 52, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawPath(ring);

    // Needles all lean the same way round the ring, as twigs bound in a wreath do.
    const QColor greens[] = {QColor(28, 110, 48), QColor(46, 140, 62), QColor(20, 88, 40),
                             QColor(74, 160, 80), QColor(36, 124, 70)};
    const int needles = static_cast<int>(outer * outer * 2.2);
    for (int i = 0; i < needles; ++i) {
        const double angle = dice(0, 2 * kPi);
        const double radius = middle + dice(-0.42, 0.42) * band;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        const double lean = angle + kPi / 2 + dice(-0.7, 0.7);
        const double length = band * dice(0.12, 0.24);
        const QPointF tip = at + QPointF(std::cos(lean), std::sin(lean)) * length;
        // Needles further out catch more light than those towards the hole.
        QColor colour = greens[static_cast<int>(dice(0, 4.999))];
        if (radius > middle + band * 0.15)
            colour = lighter(colour, 0.12);
        p.setPen(QPen(colour, std::max(0.35, band * 0.05), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, tip);
    }

    for (int cluster = 0; cluster < berryClusters; ++cluster) {
        const double angle = -kPi / 2 + (cluster + 0.5) * 2 * kPi / berryClusters;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * middle;
        for (int berry = 0; berry < 3; ++berry) {
            const double a = angle + berry * 2 * kPi / 3;
            drawBead(p, at + QPointF(std::cos(a), std::sin(a)) * berryRadius * 0.9, berryRadius,
                     QColor(200, 20, 30));
        }
    }
}

// A golden loop of cord for a pendant to hang by.
void drawHangingLoop(QPainter& p, QPointF centre, double rx, double ry)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darker(kGold, 0.35), 1.3));
    p.drawEllipse(centre, rx, ry);
    p.setPen(QPen(lighter(kGold, 0.3), 0.6));
    p.drawEllipse(centre, rx, ry);
}

void drawBell(QPainter& p, QPointF top, double angle, double scale)
{
    p.save();
    p.translate(top);
    p.rotate(angle);
    p.scale(scale, scale);
    QPainterPath bell;
    bell.moveTo(-2.4, 0);
    bell.cubicTo(-4.6, 0.4, -4.4, 6, -4.9, 8.4);
    bell.cubicTo(-5.3, 10.4, -6.6, 11, -6.9, 12.4);
    bell.lineTo(6.9, 12.4);
    bell.cubicTo(6.6, 11, 5.3, 10.4, 4.9, 8.4);
    bell.cubicTo(4.4, 6, 4.6, 0.4, 2.4, 0);
    bell.closeSubpath();
    QLinearGradient metal(-7, 0, 7, 0);
    metal.setColorAt(0, QColor(176, 120, 20));
    metal.setColorAt(0.28, QColor(255, 236, 150));
    metal.setColorAt(0.55, QColor(226, 168, 40));
    metal.setColorAt(1, QColor(120, 74, 8));
    p.setPen(QPen(QColor(100, 60, 5), 0.45));
    p.setBrush(metal);
    p.drawPath(bell);
    // The clapper peeping out under the rim.
    drawBead(p, QPointF(0, 13.3), 1.7, QColor(150, 100, 20));
    QLinearGradient rim(-7, 0, 7, 0);
    rim.setColorAt(0, QColor(150, 100, 15));
    rim.setColorAt(0.3, QColor(250, 220, 120));
    rim.setColorAt(1, QColor(110, 70, 8));
    p.setPen(QPen(QColor(100, 60, 5), 0.4));
    p.setBrush(rim);
    p.drawRoundedRect(QRectF(-7.2, 11.4, 14.4, 2.0), 1, 1);
    p.restore();
}

} // namespace

namespace CursorOrnaments {

QImage stocking()
{
    CursorCanvas canvas(QSize(32, 58));
    QPainter& p = canvas.painter();
    drawHangingLoop(p, QPointF(15, 5.4), 2.2, 3.0);

    QPainterPath body;
    body.moveTo(8.3, 12);
    body.lineTo(22.8, 12);
    body.lineTo(23.2, 37.5);
    body.cubicTo(23.6, 40.5, 26.5, 41.8, 28.6, 44.2);
    body.cubicTo(30.6, 47.8, 29.8, 55.2, 24.6, 55.6);
    body.lineTo(14.5, 55.6);
    body.cubicTo(9, 55.6, 6.6, 52.4, 7.2, 47.5);
    body.closeSubpath();
    QLinearGradient cloth(6, 0, 30, 0);
    cloth.setColorAt(0, QColor(236, 58, 62));
    cloth.setColorAt(0.45, QColor(204, 22, 34));
    cloth.setColorAt(1, QColor(128, 8, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(body);

    // Green heel, toe and stripes, knitted into the red.
    p.save();
    p.setClipPath(body);
    const QColor green(30, 132, 62);
    p.setBrush(green);
    p.drawEllipse(QPointF(7.6, 54), 5.2, 5.6);
    p.drawEllipse(QPointF(31, 52.5), 6.2, 7);
    for (const double y : {22.0, 28.5})
        p.fillRect(QRectF(0, y, 32, 2.4), green);
    p.fillRect(QRectF(0, 25.0, 32, 0.9), QColor(250, 250, 250, 220));
    // A knitted snowflake on the leg.
    p.setPen(QPen(QColor(250, 246, 240), 0.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF flake(15.6, 38);
    for (int arm = 0; arm < 6; ++arm) {
        const double a = arm * kPi / 3 + kPi / 2;
        const QPointF direction(std::cos(a), std::sin(a));
        p.drawLine(flake, flake + direction * 3.8);
        const QPointF fork = flake + direction * 2.3;
        for (const double side : {-0.8, 0.8})
            p.drawLine(fork, fork + QPointF(std::cos(a + side), std::sin(a + side)) * 1.3);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 4, 12), 0.5));
    p.drawPath(body);

    // The fluffy white cuff.
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(5.6, 7.2, 20.4, 7.6), 2.6, 2.6);
    for (double x = 6.6; x <= 25.2; x += 2.3) {
        cuff.addEllipse(QPointF(x, 14.4), 1.5, 1.4);
        cuff.addEllipse(QPointF(x + 1.1, 7.5), 1.3, 1.2);
    }
    cuff.setFillRule(Qt::WindingFill);
    QLinearGradient fur(0, 6, 0, 16);
    fur.setColorAt(0, QColor(255, 255, 255));
    fur.setColorAt(0.6, QColor(238, 242, 250));
    fur.setColorAt(1, QColor(190, 200, 220));
    p.setPen(QPen(QColor(150, 160, 180), 0.35));
    p.setBrush(fur);
    p.drawPath(cuff.simplified());
    return canvas.finish(1.0, 0.5);
}

QImage ball()
{
    CursorCanvas canvas(QSize(42, 48));
    QPainter& p = canvas.painter();
    drawHangingLoop(p, QPointF(20, 4.3), 1.8, 2.0);

    // The metal cap with its crimped rim.
    QLinearGradient capMetal(15.5, 0, 24.5, 0);
    capMetal.setColorAt(0, QColor(150, 110, 30));
    capMetal.setColorAt(0.35, QColor(255, 234, 150));
    capMetal.setColorAt(1, QColor(130, 90, 20));
    p.setPen(QPen(QColor(100, 66, 10), 0.4));
    p.setBrush(capMetal);
    p.drawRoundedRect(QRectF(16, 5.2, 9, 6), 1, 1);

    const QPointF centre(20.5, 28.0);
    const double radius = 18.0;
    QRadialGradient glass(centre, radius, centre + QPointF(-6, -7));
    glass.setColorAt(0, QColor(130, 175, 255));
    glass.setColorAt(0.35, QColor(40, 84, 214));
    glass.setColorAt(0.85, QColor(16, 34, 130));
    glass.setColorAt(1, QColor(8, 18, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);

    QPainterPath sphere;
    sphere.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(sphere);
    // A painted golden band, bent by the curve of the glass.
    QPainterPath wave;
    for (int i = 0; i <= 48; ++i) {
        const double x = 1 + i * 40.0 / 48;
        const double sag = 3.2 * std::pow((x - centre.x()) / radius, 2.0);
        const QPointF point(x, centre.y() + 1 - sag + 2.4 * std::sin(i * 2 * kPi / 8));
        if (i == 0)
            wave.moveTo(point);
        else
            wave.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wave);
    for (const double offset : {-5.6, 6.4}) {
        QPainterPath line;
        line.moveTo(1, centre.y() + offset - 3.2);
        line.quadTo(centre.x(), centre.y() + offset + 3.2, 40, centre.y() + offset - 3.2);
        p.setPen(QPen(lighter(kGold, 0.15), 1.0));
        p.drawPath(line);
    }
    // Snowy dots above and below the band.
    for (int i = 0; i < 7; ++i) {
        const double x = 5.5 + i * 5;
        const double sag = 3.2 * std::pow((x - centre.x()) / radius, 2.0);
        drawBead(p, QPointF(x, centre.y() - 9.5 - sag * 0.6), 0.9, QColor(240, 244, 255));
        drawBead(p, QPointF(x + 2.5, centre.y() + 10.8 - sag * 0.8), 0.9, QColor(240, 244, 255));
    }
    p.restore();

    // Window light on the glass.
    QRadialGradient gleam(QPointF(13.5, 19), 6);
    gleam.setColorAt(0, QColor(255, 255, 255, 230));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.translate(13.5, 19);
    p.rotate(-40);
    p.translate(-13.5, -19);
    p.setBrush(gleam);
    p.drawEllipse(QPointF(13.5, 19), 5.5, 3.2);
    p.restore();
    return canvas.finish(1.0, 0.5);
}

QImage bells()
{
    CursorCanvas canvas(QSize(32, 32));
    QPainter& p = canvas.painter();
    drawBell(p, QPointF(13.6, 14.6), 16, 0.9);
    drawBell(p, QPointF(20.4, 14.6), -16, 0.9);

    // Holly leaves and berries over the cords the bells hang by.
    const QColor holly(30, 120, 50);
    drawLeaf(p, QPointF(16.5, 12.4), -160, 11.5, 5.6, holly, true);
    drawLeaf(p, QPointF(17.5, 12.4), -20, 11.5, 5.6, darker(holly, 0.1), true);
    drawBead(p, QPointF(15.4, 11.4), 2.0, QColor(210, 22, 32));
    drawBead(p, QPointF(18.9, 11.2), 2.0, QColor(210, 22, 32));
    drawBead(p, QPointF(17.2, 14.0), 2.0, QColor(196, 18, 28));
    return canvas.finish(1.0, 0.5);
}

QImage wreath()
{
    CursorCanvas canvas(QSize(32, 31));
    QPainter& p = canvas.painter();
    // A ribbon loop up to the hanging point, tied into the bow below.
    QPainterPath loop;
    loop.moveTo(13.6, 9.5);
    loop.cubicTo(13, 4.6, 14.5, 2.4, 16, 2.4);
    loop.cubicTo(17.5, 2.4, 19, 4.6, 18.4, 9.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darker(kRibbonRed, 0.4), 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(loop);
    p.setPen(QPen(kRibbonRed, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(loop);

    drawWreathRing(p, QPointF(16, 18.8), 10.0, 4.4, 7u, 4, 1.05);
    CursorRibbon::drawBow(p, QPointF(16, 8.8), 6.2, 6.5, kRibbonRed);
    return canvas.finish(1.0, 0.5);
}

QImage bow()
{
    CursorCanvas canvas(QSize(32, 27));
    CursorRibbon::drawBow(canvas.painter(), QPointF(16, 11.2), 13.4, 13.8, kRibbonRed);
    return canvas.finish(1.0, 0.5);
}

QImage poinsettia()
{
    CursorCanvas canvas(QSize(32, 31));
    QPainter& p = canvas.painter();
    const QPointF centre(16, 15.3);
    const QColor leafGreen(34, 112, 48);
    for (int i = 0; i < 5; ++i)
        drawLeaf(p, centre, 18 + i * 72, 13.4, 6.4, leafGreen, true);
    const QColor red(232, 34, 40);
    for (int i = 0; i < 6; ++i)
        drawLeaf(p, centre, -90 + i * 60, 12.9, 6.8, darker(red, 0.2), true);
    for (int i = 0; i < 5; ++i)
        drawLeaf(p, centre, -54 + i * 72, 8.6, 5.0, lighter(red, 0.12), false);
    // The little yellow flowers in the middle.
    drawBead(p, centre, 1.3, QColor(120, 150, 30));
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + 0.3;
        drawBead(p, centre + QPointF(std::cos(a), std::sin(a)) * 2.0, 0.95, QColor(236, 204, 40));
    }
    return canvas.finish(1.0, 0.5);
}

QImage spinningWreath()
{
    CursorCanvas canvas(QSize(64, 64));
    QPainter& p = canvas.painter();
    const QPointF centre(32, 32);
    drawWreathRing(p, centre, 27.8, 14.0, 11u, 6, 1.6);
    // Golden baubles between the berries show the turning.
    for (int i = 0; i < 6; ++i) {
        const double a = -kPi / 2 + i * kPi / 3;
        drawBead(p, centre + QPointF(std::cos(a), std::sin(a)) * 21.2, 2.1, kGold);
    }
    CursorRibbon::drawBow(p, QPointF(32, 53.2), 9.5, 7.0, kRibbonRed);
    return canvas.finish(1.0, 0.5);
}

} // namespace CursorOrnaments
