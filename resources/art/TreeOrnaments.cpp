#include "TreeOrnaments.h"

#include "ArtColour.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace TreeOrnaments {

namespace {

QPointF polar(QPointF centre, double radius, double radians)
{
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

} // namespace

void glow(QPainter& painter, QPointF centre, double radius, const QColor& colour, double strength)
{
    if (strength <= 0 || radius <= 0)
        return;
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, ArtColour::withAlpha(colour, 0.85 * strength));
    gradient.setColorAt(0.25, ArtColour::withAlpha(colour, 0.45 * strength));
    gradient.setColorAt(0.6, ArtColour::withAlpha(colour, 0.12 * strength));
    gradient.setColorAt(1.0, ArtColour::withAlpha(colour, 0.0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void flatGlow(QPainter& painter, QPointF centre, double rx, double ry, const QColor& colour,
              double strength)
{
    if (rx <= 0 || ry <= 0)
        return;
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, ry / rx);
    glow(painter, QPointF(0, 0), rx, colour, strength);
    painter.restore();
}

void star(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double inner = radius * 0.45;
    const double up = -std::numbers::pi / 2;
    const double step = std::numbers::pi / 5;
    // Each point is two facets; the one facing the upper left is bright.
    const QPointF light = QPointF(-0.6, -0.8);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const double a = up + i * 2 * step;
        const QPointF tip = polar(centre, radius, a);
        const QPointF left = polar(centre, inner, a - step);
        const QPointF right = polar(centre, inner, a + step);
        for (const QPointF& side : {left, right}) {
            const QPointF mid = (tip + side) / 2.0 - centre;
            const double facing = (mid.x() * light.x() + mid.y() * light.y()) /
                                  std::max(1e-6, std::hypot(mid.x(), mid.y()));
            const QColor facet =
                facing > 0 ? ArtColour::mix(colour, QColor(255, 255, 235), 0.25 + 0.45 * facing)
                           : ArtColour::mix(colour, QColor(90, 50, 0), -0.45 * facing);
            QPainterPath path(centre);
            path.lineTo(tip);
            path.lineTo(side);
            path.closeSubpath();
            painter.setBrush(facet);
            painter.drawPath(path);
        }
    }
    QPainterPath outline;
    for (int i = 0; i < 10; ++i) {
        const QPointF p = polar(centre, i % 2 ? inner : radius, up + i * step);
        if (i == 0)
            outline.moveTo(p);
        else
            outline.lineTo(p);
    }
    outline.closeSubpath();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(170), std::max(0.8, radius * 0.05), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    painter.restore();
}

void rays(QPainter& painter, QPointF centre, double length, const QColor& colour, double strength,
          double angle)
{
    if (strength <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const double upwards = -std::sin((angle + 45.0 * i) * std::numbers::pi / 180.0);
        double reach = (i % 2 ? 0.55 : 1.0) * length;
        if (upwards > 0.05)
            reach = std::min(reach, (centre.y() - 1.0) / upwards);
        const double width = (i % 2 ? 0.05 : 0.07) * length;
        QLinearGradient gradient(0, 0, reach, 0);
        gradient.setColorAt(0.0, ArtColour::withAlpha(colour, 0.9 * strength));
        gradient.setColorAt(1.0, ArtColour::withAlpha(colour, 0.0));
        painter.setBrush(gradient);
        QPainterPath path;
        path.moveTo(0, -width);
        path.lineTo(reach, 0);
        path.lineTo(0, width);
        path.closeSubpath();
        painter.drawPath(path);
        painter.rotate(45);
    }
    painter.restore();
}

void bauble(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint shadow on the needles below.
    glow(painter, centre + QPointF(radius * 0.3, radius * 0.5), radius * 1.5, QColor(0, 0, 0),
         0.35);
    QRadialGradient body(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.45);
    body.setColorAt(0.0, ArtColour::mix(colour, QColor(255, 255, 255), 0.55));
    body.setColorAt(0.25, colour.lighter(115));
    body.setColorAt(0.7, colour.darker(160));
    body.setColorAt(1.0, colour.darker(300));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    // Reflected light from the far side.
    QRadialGradient rim(centre + QPointF(radius * 0.45, radius * 0.55), radius * 0.6);
    rim.setColorAt(0.0, ArtColour::withAlpha(colour.lighter(140), 0.5));
    rim.setColorAt(1.0, ArtColour::withAlpha(colour, 0.0));
    painter.setBrush(rim);
    painter.drawEllipse(centre, radius, radius);
    // Window highlight.
    painter.setBrush(ArtColour::withAlpha(QColor(255, 255, 255), 0.85));
    painter.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.2,
                        radius * 0.14);
    // Cap and hook.
    const QRectF cap(centre.x() - radius * 0.28, centre.y() - radius * 1.12, radius * 0.56,
                     radius * 0.26);
    QLinearGradient metal(cap.left(), 0, cap.right(), 0);
    metal.setColorAt(0.0, QColor(150, 120, 50));
    metal.setColorAt(0.4, QColor(250, 230, 150));
    metal.setColorAt(1.0, QColor(120, 90, 30));
    painter.setBrush(metal);
    painter.drawRoundedRect(cap, radius * 0.06, radius * 0.06);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(170, 150, 90), std::max(0.7, radius * 0.07)));
    painter.drawArc(
        QRectF(centre.x() - radius * 0.12, cap.top() - radius * 0.22, radius * 0.24, radius * 0.26),
        0, 180 * 16);
    painter.restore();
}

void bulb(QPainter& painter, QPointF centre, double size, const QColor& colour, double lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (lit > 0) {
        glow(painter, centre, size * 2.6, colour, 0.75 * lit);
        glow(painter, centre, size * 1.1, ArtColour::mix(colour, QColor(255, 255, 255), 0.3),
             0.9 * lit);
    }
    const QColor dark = colour.darker(210);
    const QColor glass =
        ArtColour::mix(dark, ArtColour::mix(colour, QColor(255, 255, 255), 0.2), lit);
    QRadialGradient body(centre + QPointF(-size * 0.12, -size * 0.18), size * 0.7);
    body.setColorAt(
        0.0, ArtColour::mix(glass, QColor(255, 255, 255), lit > 0 ? 0.75 * lit + 0.2 : 0.45));
    body.setColorAt(0.45, glass);
    body.setColorAt(1.0, glass.darker(lit > 0 ? 115 : 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, size * 0.4, size * 0.52);
    // Socket.
    painter.setBrush(QColor(40, 45, 35));
    painter.drawRoundedRect(
        QRectF(centre.x() - size * 0.2, centre.y() - size * 0.74, size * 0.4, size * 0.28),
        size * 0.08, size * 0.08);
    painter.restore();
}

void glint(QPainter& painter, QPointF centre, double size, const QColor& colour, double strength)
{
    if (strength <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    glow(painter, centre, size * 0.55, colour, strength);
    painter.setPen(Qt::NoPen);
    painter.translate(centre);
    // Four long rays and four short ones between them.
    for (int i = 0; i < 8; ++i) {
        const double reach = size * (i % 2 ? 0.42 : (i % 4 ? 0.8 : 1.0));
        const double width = size * (i % 2 ? 0.06 : 0.085);
        QLinearGradient gradient(0, 0, reach, 0);
        gradient.setColorAt(0.0, ArtColour::withAlpha(QColor(255, 255, 255), strength));
        gradient.setColorAt(0.5,
                            ArtColour::withAlpha(ArtColour::mix(colour, QColor(255, 255, 255), 0.5),
                                                 0.8 * strength));
        gradient.setColorAt(1.0, ArtColour::withAlpha(colour, 0.0));
        painter.setBrush(gradient);
        QPainterPath path;
        path.moveTo(0, -width);
        path.quadTo(reach * 0.15, 0, reach, 0);
        path.quadTo(reach * 0.15, 0, 0, width);
        path.closeSubpath();
        painter.drawPath(path);
        painter.rotate(45);
    }
    painter.setBrush(ArtColour::withAlpha(QColor(255, 255, 255), strength));
    painter.drawEllipse(QPointF(0, 0), size * 0.12, size * 0.12);
    painter.restore();
}

void beads(QPainter& painter, QPointF left, QPointF right, double sag, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF dip = (left + right) / 2.0 + QPointF(0, sag);
    const double length = std::hypot(right.x() - left.x(), right.y() - left.y());
    const int count = std::max(2, static_cast<int>(length / 4.2));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i <= count; ++i) {
        const double s = static_cast<double>(i) / count, u = 1 - s;
        const QPointF p = left * (u * u) + dip * (2 * u * s) + right * (s * s);
        QRadialGradient bead(p + QPointF(-0.6, -0.6), 2.4);
        bead.setColorAt(0.0, ArtColour::mix(colour, QColor(255, 255, 240), 0.75));
        bead.setColorAt(0.5, colour);
        bead.setColorAt(1.0, colour.darker(200));
        painter.setBrush(bead);
        painter.drawEllipse(p, 1.9, 1.9);
    }
    painter.restore();
}

void icicle(QPainter& painter, QPointF top, double length, double width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(top.x() - width / 2, top.y());
    path.quadTo(top.x() - width * 0.35, top.y() + length * 0.5, top.x(), top.y() + length);
    path.quadTo(top.x() + width * 0.3, top.y() + length * 0.5, top.x() + width / 2, top.y());
    path.closeSubpath();
    QLinearGradient gradient(top.x() - width / 2, 0, top.x() + width / 2, 0);
    gradient.setColorAt(0.0, ArtColour::withAlpha(QColor(200, 225, 255), 0.75));
    gradient.setColorAt(0.35, ArtColour::withAlpha(QColor(255, 255, 255), 0.95));
    gradient.setColorAt(1.0, ArtColour::withAlpha(QColor(120, 160, 210), 0.8));
    painter.setPen(QPen(ArtColour::withAlpha(QColor(90, 130, 180), 0.6), 0.6));
    painter.setBrush(gradient);
    painter.drawPath(path);
    painter.restore();
}

void bow(QPainter& painter, QPointF centre, double size, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(size, size);
    const QColor dark = colour.darker(190);
    const QColor light = ArtColour::mix(colour, QColor(255, 230, 220), 0.35);
    QPen edge(colour.darker(260), 0.025);
    edge.setJoinStyle(Qt::RoundJoin);

    glow(painter, QPointF(0.08, 0.25), 1.1, QColor(0, 0, 0), 0.3);

    // Tails first, they hang behind the loops.
    for (int sideSign = -1; sideSign <= 1; sideSign += 2) {
        const double s = sideSign;
        QPainterPath tail;
        tail.moveTo(0.0, 0.05);
        tail.cubicTo(s * 0.12, 0.35, s * 0.35, 0.6, s * 0.42, 1.0);
        tail.lineTo(s * 0.52, 0.86); // the notch
        tail.lineTo(s * 0.66, 0.95);
        tail.cubicTo(s * 0.56, 0.55, s * 0.32, 0.3, s * 0.16, 0.02);
        tail.closeSubpath();
        QLinearGradient gradient(s * 0.1, 0.1, s * 0.6, 0.9);
        gradient.setColorAt(0.0, dark);
        gradient.setColorAt(0.45, sideSign < 0 ? light : colour);
        gradient.setColorAt(1.0, dark);
        painter.setBrush(gradient);
        painter.setPen(edge);
        painter.drawPath(tail);
    }
    // Loops.
    for (int sideSign = -1; sideSign <= 1; sideSign += 2) {
        const double s = sideSign;
        QPainterPath loop;
        loop.moveTo(0, 0);
        loop.cubicTo(s * 0.25, -0.55, s * 0.95, -0.6, s * 0.9, -0.1);
        loop.cubicTo(s * 0.88, 0.22, s * 0.45, 0.22, 0, 0);
        QRadialGradient gradient(QPointF(s * 0.45, -0.3), 0.6);
        gradient.setColorAt(0.0, sideSign < 0 ? light : colour.lighter(110));
        gradient.setColorAt(0.7, colour);
        gradient.setColorAt(1.0, dark);
        painter.setBrush(gradient);
        painter.setPen(edge);
        painter.drawPath(loop);
        // The inside of the loop, in shadow.
        QPainterPath inside;
        inside.moveTo(s * 0.1, -0.02);
        inside.cubicTo(s * 0.3, -0.3, s * 0.7, -0.32, s * 0.72, -0.1);
        inside.cubicTo(s * 0.6, -0.02, s * 0.35, 0.0, s * 0.1, -0.02);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dark.darker(130));
        painter.drawPath(inside);
        // A sheen along the top of the loop.
        QPen sheen(ArtColour::withAlpha(QColor(255, 240, 235), sideSign < 0 ? 0.55 : 0.3), 0.04,
                   Qt::SolidLine, Qt::RoundCap);
        painter.setPen(sheen);
        painter.setBrush(Qt::NoBrush);
        QPainterPath top;
        top.moveTo(s * 0.25, -0.3);
        top.cubicTo(s * 0.4, -0.45, s * 0.7, -0.46, s * 0.8, -0.3);
        painter.drawPath(top);
    }
    // Knot.
    QRadialGradient knot(QPointF(-0.04, -0.05), 0.2);
    knot.setColorAt(0.0, light);
    knot.setColorAt(1.0, colour.darker(140));
    painter.setBrush(knot);
    painter.setPen(edge);
    painter.drawRoundedRect(QRectF(-0.15, -0.13, 0.3, 0.26), 0.1, 0.1);
    painter.restore();
}

namespace {

// The open top of a pot or tub seen from a little above: a lit rim round
// dark soil, which the trunk stands in.
void opening(QPainter& painter, const QRectF& box, double depth, const QColor& rimLight,
             const QColor& rimDark)
{
    const QPointF centre(box.center().x(), box.top());
    const double rx = box.width() / 2;
    QLinearGradient rimShading(box.left(), 0, box.right(), 0);
    rimShading.setColorAt(0.0, rimLight);
    rimShading.setColorAt(1.0, rimDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rimShading);
    painter.drawEllipse(centre, rx, depth);
    const double wall = std::max(2.5, box.width() * 0.045);
    QRadialGradient soil(centre + QPointF(0, depth * 0.4), rx);
    soil.setColorAt(0.0, QColor(75, 52, 36));
    soil.setColorAt(1.0, QColor(30, 20, 14));
    painter.setBrush(soil);
    painter.drawEllipse(centre, rx - wall, depth - wall * 0.45);
}

} // namespace

void pot(QPainter& painter, const QRectF& box, const QColor& body, const QColor& rim)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double rimHeight = box.height() * 0.22;
    const double inset = box.width() * 0.12;
    flatGlow(painter, QPointF(box.center().x(), box.bottom() - 3), box.width() * 0.65, 3,
             QColor(0, 0, 0), 0.4);
    QLinearGradient shading(box.left(), 0, box.right(), 0);
    shading.setColorAt(0.0, body.darker(200));
    shading.setColorAt(0.3, ArtColour::mix(body, QColor(255, 255, 255), 0.3));
    shading.setColorAt(0.55, body);
    shading.setColorAt(1.0, body.darker(260));
    QPainterPath shell;
    shell.moveTo(box.left() + inset * 0.4, box.top() + rimHeight);
    shell.lineTo(box.right() - inset * 0.4, box.top() + rimHeight);
    shell.lineTo(box.right() - inset, box.bottom() - box.height() * 0.05);
    shell.quadTo(box.center().x(), box.bottom() + box.height() * 0.05, box.left() + inset,
                 box.bottom() - box.height() * 0.05);
    shell.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shading);
    painter.drawPath(shell);
    QLinearGradient rimShading(box.left(), 0, box.right(), 0);
    rimShading.setColorAt(0.0, rim.darker(190));
    rimShading.setColorAt(0.3, ArtColour::mix(rim, QColor(255, 255, 240), 0.45));
    rimShading.setColorAt(0.6, rim);
    rimShading.setColorAt(1.0, rim.darker(230));
    painter.setBrush(rimShading);
    painter.drawRoundedRect(QRectF(box.left(), box.top(), box.width(), rimHeight), rimHeight * 0.3,
                            rimHeight * 0.3);
    painter.setPen(QPen(ArtColour::withAlpha(QColor(0, 0, 0), 0.35), 1.0));
    painter.drawLine(QPointF(box.left() + inset * 0.4, box.top() + rimHeight + 0.5),
                     QPointF(box.right() - inset * 0.4, box.top() + rimHeight + 0.5));
    opening(painter, box, rimHeight * 0.38, ArtColour::mix(rim, QColor(255, 255, 240), 0.3),
            rim.darker(160));
    painter.restore();
}

void tub(QPainter& painter, const QRectF& box, const QColor& wood, const QColor& hoop)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    flatGlow(painter, QPointF(box.center().x(), box.bottom() - 3), box.width() * 0.65, 3,
             QColor(0, 0, 0), 0.4);
    const double inset = box.width() * 0.09;
    QPainterPath shell;
    shell.moveTo(box.left(), box.top());
    shell.lineTo(box.right(), box.top());
    shell.lineTo(box.right() - inset, box.bottom() - 3);
    shell.quadTo(box.center().x(), box.bottom() + 3, box.left() + inset, box.bottom() - 3);
    shell.closeSubpath();
    QLinearGradient shading(box.left(), 0, box.right(), 0);
    shading.setColorAt(0.0, wood.darker(200));
    shading.setColorAt(0.3, wood.lighter(135));
    shading.setColorAt(0.6, wood);
    shading.setColorAt(1.0, wood.darker(240));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shading);
    painter.drawPath(shell);
    // Staves.
    painter.setClipPath(shell);
    const int staves = 7;
    for (int i = 1; i < staves; ++i) {
        const double u = static_cast<double>(i) / staves;
        const double bend = std::sin(u * std::numbers::pi);
        const double xTop = box.left() + box.width() * (0.5 + (u - 0.5) * 1.0 * (0.7 + 0.3 * bend));
        const double xBottom =
            box.center().x() + (xTop - box.center().x()) * (1.0 - 2 * inset / box.width());
        painter.setPen(QPen(ArtColour::withAlpha(wood.darker(250), 0.8), 1.1));
        painter.drawLine(QPointF(xTop, box.top()), QPointF(xBottom, box.bottom()));
        painter.setPen(QPen(ArtColour::withAlpha(wood.lighter(150), 0.4), 0.8));
        painter.drawLine(QPointF(xTop + 1.2, box.top()), QPointF(xBottom + 1.2, box.bottom()));
    }
    for (double band : {0.18, 0.78}) {
        const double y = box.top() + box.height() * band;
        const double half = box.width() / 2 - inset * band;
        const QRectF strip(box.center().x() - half - 1, y - box.height() * 0.05, 2 * half + 2,
                           box.height() * 0.1);
        QLinearGradient metal(strip.left(), 0, strip.right(), 0);
        metal.setColorAt(0.0, hoop.darker(220));
        metal.setColorAt(0.3, hoop.lighter(160));
        metal.setColorAt(0.6, hoop);
        metal.setColorAt(1.0, hoop.darker(260));
        painter.setPen(Qt::NoPen);
        painter.setBrush(metal);
        painter.drawRect(strip);
    }
    painter.setClipping(false);
    opening(painter, box, box.height() * 0.09, wood.lighter(150), wood.darker(130));
    painter.restore();
}

void snowMound(QPainter& painter, const QRectF& box, const QColor& light, const QColor& shade)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath mound;
    const double w = box.width(), h = box.height();
    mound.moveTo(box.left(), box.bottom());
    mound.cubicTo(box.left() + w * 0.08, box.bottom() - h * 0.55, box.left() + w * 0.22, box.top(),
                  box.left() + w * 0.42, box.top() + h * 0.08);
    mound.cubicTo(box.left() + w * 0.55, box.top() - h * 0.05, box.left() + w * 0.7,
                  box.top() + h * 0.12, box.left() + w * 0.8, box.top() + h * 0.35);
    mound.cubicTo(box.left() + w * 0.9, box.top() + h * 0.5, box.right() - w * 0.02,
                  box.bottom() - h * 0.3, box.right(), box.bottom());
    mound.quadTo(box.center().x(), box.bottom() + h * 0.06, box.left(), box.bottom());
    QLinearGradient gradient(box.left(), box.top(), box.right(), box.bottom());
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(0.45, ArtColour::mix(light, shade, 0.25));
    gradient.setColorAt(1.0, shade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(mound);
    // Soft shadow along the foot of the mound.
    QLinearGradient foot(0, box.bottom() - h * 0.35, 0, box.bottom() + h * 0.1);
    QColor clear = shade;
    clear.setAlphaF(0);
    foot.setColorAt(0.0, clear);
    foot.setColorAt(1.0, ArtColour::withAlpha(shade.darker(130), 0.8));
    painter.setBrush(foot);
    painter.drawPath(mound);
    // Soft drifts and a few glittering crystals on the surface.
    painter.setClipPath(mound);
    const double drifts[][4] = {{0.18, 0.55, 0.22, 0.5},
                                {0.62, 0.45, 0.3, 0.45},
                                {0.4, 0.8, 0.35, 0.4},
                                {0.85, 0.75, 0.18, 0.35}};
    for (const auto& drift : drifts) {
        const QPointF centre(box.left() + w * drift[0], box.top() + h * drift[1]);
        QRadialGradient lump(centre - QPointF(0, h * 0.12), w * drift[2]);
        lump.setColorAt(0.0, ArtColour::withAlpha(QColor(255, 255, 255), 0.7));
        lump.setColorAt(1.0, ArtColour::withAlpha(QColor(255, 255, 255), 0.0));
        painter.setBrush(lump);
        painter.drawEllipse(centre, w * drift[2], h * drift[3]);
        QPen edge(ArtColour::withAlpha(shade, 0.45), 1.2, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(edge);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(centre.x() - w * drift[2], centre.y() - h * drift[3],
                               2 * w * drift[2], 2 * h * drift[3]),
                        200 * 16, 140 * 16);
        painter.setPen(Qt::NoPen);
    }
    for (int i = 0; i < 14; ++i) {
        const double u = std::fmod(i * 0.618034, 1.0);
        const double v = std::fmod(i * 0.414214 + 0.3, 1.0);
        painter.setBrush(ArtColour::withAlpha(QColor(255, 255, 255), 0.9));
        painter.drawEllipse(
            QPointF(box.left() + w * (0.12 + 0.76 * u), box.top() + h * (0.35 + 0.55 * v)), 0.9,
            0.9);
    }
    painter.restore();
}

void present(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& ribbon)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    flatGlow(painter, QPointF(box.center().x(), box.bottom() - 2), box.width() * 0.7, 2.5,
             QColor(0, 0, 0), 0.45);
    const double lid = box.height() * 0.22;
    const QRectF body(box.left() + box.width() * 0.04, box.top() + lid, box.width() * 0.92,
                      box.height() - lid);
    QLinearGradient shading(body.left(), 0, body.right(), 0);
    shading.setColorAt(0.0, paper.lighter(120));
    shading.setColorAt(0.7, paper);
    shading.setColorAt(1.0, paper.darker(170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shading);
    painter.drawRect(body);
    QLinearGradient lidShading(box.left(), 0, box.right(), 0);
    lidShading.setColorAt(0.0, paper.lighter(140));
    lidShading.setColorAt(0.7, paper.lighter(110));
    lidShading.setColorAt(1.0, paper.darker(150));
    painter.setBrush(lidShading);
    painter.drawRoundedRect(QRectF(box.left(), box.top(), box.width(), lid), 1.5, 1.5);
    painter.setBrush(ArtColour::withAlpha(QColor(0, 0, 0), 0.25));
    painter.drawRect(QRectF(body.left(), body.top(), body.width(), 1.5));
    const double band = box.width() * 0.14;
    QLinearGradient ribbonShading(box.center().x() - band / 2, 0, box.center().x() + band / 2, 0);
    ribbonShading.setColorAt(0.0, ribbon.lighter(130));
    ribbonShading.setColorAt(1.0, ribbon.darker(140));
    painter.setBrush(ribbonShading);
    painter.drawRect(QRectF(box.center().x() - band / 2, box.top(), band, box.height()));
    painter.setBrush(ribbon);
    painter.drawRect(
        QRectF(body.left(), body.top() + body.height() * 0.45, body.width(), band * 0.8));
    bow(painter, QPointF(box.center().x(), box.top() + 1), box.width() * 0.32, ribbon);
    painter.restore();
}

void flake(QPainter& painter, QPointF centre, double radius, double alpha, bool crystal)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (crystal) {
        QPen pen(ArtColour::withAlpha(QColor(255, 255, 255), alpha), std::max(0.8, radius * 0.18),
                 Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        for (int i = 0; i < 3; ++i) {
            const double a = i * std::numbers::pi / 3 + std::numbers::pi / 6;
            painter.drawLine(polar(centre, radius, a), polar(centre, radius, a + std::numbers::pi));
        }
        glow(painter, centre, radius * 0.8, QColor(255, 255, 255), 0.5 * alpha);
    } else {
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0.0, ArtColour::withAlpha(QColor(255, 255, 255), alpha));
        gradient.setColorAt(0.55, ArtColour::withAlpha(QColor(250, 252, 255), alpha * 0.85));
        gradient.setColorAt(1.0, ArtColour::withAlpha(QColor(235, 242, 255), 0.0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.restore();
}

} // namespace TreeOrnaments
