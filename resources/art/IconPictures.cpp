// The "icons" group: tab icons and the program's icon.
#include "IconPictures.h"

#include "ArtRegistry.h"
#include "PageArtKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

using namespace PageArtKit;

namespace IconPictures {

namespace {

constexpr qreal pi = 3.14159265358979323846;

// Every tab icon has a dark outline so it reads on a light tab, a dark tab
// and a selected one alike.
const QColor outlineBlue(0x17, 0x33, 0x66);

QPen outlinePen(const QColor& color = outlineBlue, qreal width = 1)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void gear(QPainter& p)
{
    QPainterPath outer;
    const int teeth = 8;
    const QPointF c(8, 8);
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = (i - 0.5) * 2 * pi / (teeth * 4);
        const qreal r = (i % 4 == 1 || i % 4 == 2) ? 7.3 : 5.4;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            outer.moveTo(pt);
        else
            outer.lineTo(pt);
    }
    outer.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.3, 2.3);
    const QPainterPath shape = outer.subtracted(hole);
    QLinearGradient g(QPointF(0, 1), QPointF(0, 15));
    g.setColorAt(0, QColor(0xc4, 0xd8, 0xf0));
    g.setColorAt(1, QColor(0x4a, 0x74, 0xb0));
    p.setPen(outlinePen());
    p.setBrush(g);
    p.drawPath(shape);
}

void lights(QPainter& p)
{
    p.setPen(outlinePen(QColor(0x1c, 0x4a, 0x2a), 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath wire;
    wire.moveTo(0, 2.5);
    wire.quadTo(8, 7, 16, 2.5);
    p.drawPath(wire);
    auto bulb = [&](QPointF top, const QColor& color) {
        QColor halo = color;
        halo.setAlpha(110);
        radialGlow(p, top + QPointF(0, 5.5), 5.5, halo);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x5a, 0x34));
        p.drawRect(QRectF(top.x() - 1.5, top.y(), 3, 2));
        QRadialGradient g(top + QPointF(-0.8, 4), 4.5);
        g.setColorAt(0, color.lighter(170));
        g.setColorAt(0.6, color);
        g.setColorAt(1, color.darker(160));
        p.setPen(outlinePen(color.darker(260), 0.9));
        p.setBrush(g);
        QPainterPath drop;
        drop.moveTo(top + QPointF(0, 1.6));
        drop.cubicTo(top + QPointF(3.4, 3), top + QPointF(3.2, 8.6), top + QPointF(0, 9.4));
        drop.cubicTo(top + QPointF(-3.2, 8.6), top + QPointF(-3.4, 3), top + QPointF(0, 1.6));
        p.drawPath(drop);
    };
    bulb(QPointF(4.5, 4.2), QColor(0xf0, 0x30, 0x30));
    bulb(QPointF(11.5, 4.2), QColor(0xff, 0xc8, 0x20));
}

void snow(QPainter& p)
{
    // One clear ice-blue crystal: an outline pass would clog the thin arms.
    const QPointF c(7.5, 8);
    QLinearGradient ice(QPointF(0, 1), QPointF(0, 15));
    ice.setColorAt(0, QColor(0x3a, 0x8a, 0xe8));
    ice.setColorAt(1, QColor(0x16, 0x48, 0xa0));
    p.setPen(QPen(QBrush(ice), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int arm = 0; arm < 6; ++arm) {
        const qreal a = arm * pi / 3 - pi / 2;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        p.drawLine(c, c + dir * 7);
        const QPointF twig = c + dir * 4.2;
        p.drawLine(twig, twig + dir * 1.7 + side * 1.7);
        p.drawLine(twig, twig + dir * 1.7 - side * 1.7);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xf0, 0xff));
    p.drawEllipse(c, 1.1, 1.1);
}

void wallpapers(QPainter& p)
{
    const QRectF frame(0.5, 1.5, 15, 13);
    p.setPen(outlinePen(QColor(0x5a, 0x38, 0x10)));
    p.setBrush(QColor(0xe8, 0xb8, 0x50));
    p.drawRect(frame);
    const QRectF inner(2, 3, 12, 10);
    QLinearGradient sky(inner.topLeft(), inner.bottomLeft());
    sky.setColorAt(0, QColor(0x1c, 0x3e, 0x86));
    sky.setColorAt(1, QColor(0x6a, 0x9c, 0xdc));
    p.setPen(Qt::NoPen);
    p.fillRect(inner, sky);
    p.setBrush(QColor(0xff, 0xf0, 0xb0));
    p.drawEllipse(QPointF(11.5, 5.5), 1.3, 1.3);
    p.setBrush(Qt::white);
    QPainterPath hill;
    hill.moveTo(2, 13);
    hill.lineTo(2, 10.5);
    hill.quadTo(7, 8, 14, 11);
    hill.lineTo(14, 13);
    p.drawPath(hill);
    p.setBrush(QColor(0x1e, 0x7a, 0x44));
    QPainterPath tree;
    tree.moveTo(6, 4.5);
    tree.lineTo(8.4, 10.5);
    tree.lineTo(3.6, 10.5);
    tree.closeSubpath();
    p.drawPath(tree);
}

void music(QPainter& p)
{
    const QColor ink(0x1d, 0x2f, 0x7a);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // Beam.
    QPainterPath beam;
    beam.moveTo(5.5, 2.5);
    beam.lineTo(14, 1);
    beam.lineTo(14, 3.6);
    beam.lineTo(5.5, 5.1);
    beam.closeSubpath();
    p.drawPath(beam);
    p.drawRect(QRectF(5, 3, 1.5, 9));
    p.drawRect(QRectF(12.5, 2, 1.5, 8.5));
    for (const QPointF head : {QPointF(3.6, 12.4), QPointF(11.1, 11.1)}) {
        p.save();
        p.translate(head);
        p.rotate(-22);
        QRadialGradient g(QPointF(-0.8, -0.8), 3);
        g.setColorAt(0, QColor(0x6a, 0x8a, 0xe8));
        g.setColorAt(1, ink);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), 2.9, 2.1);
        p.restore();
    }
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawRect(QRectF(6.5, 2.8, 6.5, 0.8));
}

void countdown(QPainter& p)
{
    const QPointF c(8, 9);
    // Bells on top.
    p.setPen(outlinePen(QColor(0x5a, 0x08, 0x12), 0.9));
    p.setBrush(QColor(0xe0, 0x30, 0x3c));
    p.drawChord(QRectF(0.8, 1.2, 5.6, 5.6), 30 * 16, 150 * 16);
    p.drawChord(QRectF(9.6, 1.2, 5.6, 5.6), 0, 150 * 16);
    // Feet.
    p.setPen(outlinePen(QColor(0x5a, 0x08, 0x12), 1.3));
    p.drawLine(QPointF(4, 13.5), QPointF(2.8, 15));
    p.drawLine(QPointF(12, 13.5), QPointF(13.2, 15));
    QRadialGradient body(c + QPointF(-2, -2), 8);
    body.setColorAt(0, QColor(0xff, 0x70, 0x70));
    body.setColorAt(1, QColor(0xb0, 0x10, 0x20));
    p.setPen(outlinePen(QColor(0x5a, 0x08, 0x12), 1));
    p.setBrush(body);
    p.drawEllipse(c, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfb, 0xf0));
    p.drawEllipse(c, 4.3, 4.3);
    p.setPen(outlinePen(QColor(0x20, 0x20, 0x28), 1.1));
    p.drawLine(c, c + QPointF(0, -3.4));
    p.drawLine(c, c + QPointF(-2.2, -1.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x20, 0x30));
    p.drawEllipse(c, 0.8, 0.8);
}

void cursor(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(2.5, 1.5);
    arrow.lineTo(2.5, 13);
    arrow.lineTo(5.2, 10.4);
    arrow.lineTo(7.2, 14.6);
    arrow.lineTo(9, 13.8);
    arrow.lineTo(7, 9.7);
    arrow.lineTo(10.6, 9.7);
    arrow.closeSubpath();
    p.setPen(outlinePen(QColor(0x10, 0x14, 0x20), 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    sparkle(p, QPointF(12.5, 3.5), 3.6, QColor(0xff, 0xc8, 0x00));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x20, 0xe0));
    p.drawEllipse(QPointF(13.2, 8.6), 1.1, 1.1);
    p.setBrush(QColor(0x10, 0xb0, 0xe0));
    p.drawEllipse(QPointF(10.2, 6.2), 0.9, 0.9);
}

void tree(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x3c, 0x1e));
    p.drawRect(QRectF(7, 13, 2, 2.5));
    QPainterPath shape;
    shape.moveTo(8, 1.5);
    shape.lineTo(11.2, 6);
    shape.lineTo(9.8, 6);
    shape.lineTo(13, 10);
    shape.lineTo(11.2, 10);
    shape.lineTo(14.5, 13.5);
    shape.lineTo(1.5, 13.5);
    shape.lineTo(4.8, 10);
    shape.lineTo(3, 10);
    shape.lineTo(6.2, 6);
    shape.lineTo(4.8, 6);
    shape.closeSubpath();
    QLinearGradient g(QPointF(2, 0), QPointF(14, 0));
    g.setColorAt(0, QColor(0x4c, 0xb8, 0x60));
    g.setColorAt(1, QColor(0x16, 0x6a, 0x34));
    p.setPen(outlinePen(QColor(0x0a, 0x3a, 0x1c), 0.9));
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    for (const auto& [at, color] : {std::pair{QPointF(7, 8), QColor(0xff, 0x30, 0x30)},
                                    std::pair{QPointF(10, 11.5), QColor(0x40, 0xa0, 0xff)},
                                    std::pair{QPointF(5.5, 12), QColor(0xff, 0xd0, 0x30)},
                                    std::pair{QPointF(9, 5), QColor(0xff, 0xd0, 0x30)}}) {
        p.setBrush(color);
        p.drawEllipse(at, 0.95, 0.95);
    }
    sparkle(p, QPointF(8, 1.8), 2.6, QColor(0xff, 0xd8, 0x20));
}

void logon(QPainter& p)
{
    p.setPen(outlinePen(QColor(0x14, 0x18, 0x22)));
    p.setBrush(QColor(0x3a, 0x44, 0x54));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 10.5), 1.2, 1.2);
    QLinearGradient screen(QPointF(0, 2.5), QPointF(0, 11));
    screen.setColorAt(0, QColor(0x2a, 0x6a, 0xd0));
    screen.setColorAt(1, QColor(0x8c, 0xc4, 0xf4));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(2, 3, 12, 7.5), screen);
    // A small person on the screen: the user who logs on.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 5.4), 1.5, 1.5);
    p.drawChord(QRectF(5.2, 7.2, 5.6, 5.2), 0, 180 * 16);
    p.setBrush(QColor(0x3a, 0x44, 0x54));
    p.drawRect(QRectF(6.5, 12, 3, 2));
    p.setPen(outlinePen(QColor(0x14, 0x18, 0x22), 1));
    p.setBrush(QColor(0x5a, 0x66, 0x78));
    p.drawRoundedRect(QRectF(3.5, 13.5, 9, 2), 0.8, 0.8);
}

void site(QPainter& p)
{
    const QPointF c(8, 8);
    QRadialGradient sea(c + QPointF(-2, -2.5), 9);
    sea.setColorAt(0, QColor(0x8a, 0xd0, 0xff));
    sea.setColorAt(1, QColor(0x14, 0x5a, 0xb8));
    p.setPen(outlinePen(QColor(0x0c, 0x2c, 0x66)));
    p.setBrush(sea);
    p.drawEllipse(c, 6.9, 6.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xb0, 0x50));
    QPainterPath land;
    land.moveTo(3.2, 5);
    land.cubicTo(5, 3, 8, 3.2, 8.5, 4.8);
    land.cubicTo(9, 6.5, 6.5, 7, 6.8, 9);
    land.cubicTo(7, 11, 5, 12, 4.2, 10.5);
    land.cubicTo(3, 9, 2.4, 7, 3.2, 5);
    p.drawPath(land);
    QPainterPath land2;
    land2.moveTo(10, 8.5);
    land2.cubicTo(11.8, 7.6, 13.6, 8.6, 13, 10.5);
    land2.cubicTo(12.4, 12.4, 10.4, 12.6, 10, 11);
    land2.closeSubpath();
    p.drawPath(land2);
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 3, 6.6);
    p.drawLine(QPointF(1.4, 8), QPointF(14.6, 8));
    // A red New Year star above the globe.
    sparkle(p, QPointF(13, 2.8), 3, QColor(0xff, 0x40, 0x40));
}

void frost(QPainter& p)
{
    QLinearGradient ice(QPointF(0, 3), QPointF(0, 15));
    ice.setColorAt(0, QColor(0xe6, 0xf6, 0xff));
    ice.setColorAt(1, QColor(0x7c, 0xc4, 0xf0));
    p.setPen(outlinePen(QColor(0x1f, 0x4e, 0x96), 0.9));
    p.setBrush(ice);
    for (const auto& [x, half, bottom] :
         {std::tuple{3.5, 2.2, 12.5}, std::tuple{8.0, 2.4, 15.0}, std::tuple{12.5, 2.0, 10.5}}) {
        QPainterPath icicle;
        icicle.moveTo(x - half, 4);
        icicle.lineTo(x + half, 4);
        icicle.lineTo(x + 0.2, bottom);
        icicle.lineTo(x - 0.2, bottom);
        icicle.closeSubpath();
        p.drawPath(icicle);
    }
    // The snow they hang from.
    p.setBrush(Qt::white);
    QPainterPath cap;
    cap.moveTo(0.5, 5.5);
    cap.cubicTo(0.5, 1.5, 3, 1, 5, 2.2);
    cap.cubicTo(7, 0.6, 10, 0.6, 11.5, 2);
    cap.cubicTo(13.5, 1.2, 15.5, 2, 15.5, 5.5);
    cap.closeSubpath();
    p.drawPath(cap);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(7.3, 6), QPointF(7.6, 11));
}

void about(QPainter& p)
{
    const QPointF c(8, 8);
    QRadialGradient g(c + QPointF(-2, -2.5), 9);
    g.setColorAt(0, QColor(0x8c, 0xc8, 0xff));
    g.setColorAt(1, QColor(0x1a, 0x56, 0xb4));
    p.setPen(outlinePen(QColor(0x0c, 0x2c, 0x66)));
    p.setBrush(g);
    p.drawEllipse(c, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.6), 1.3, 1.3);
    p.drawRect(QRectF(7, 6.8, 2, 5.2));
    p.drawRect(QRectF(6, 6.8, 1, 1));
    p.drawRect(QRectF(6, 11, 4, 1));
}

} // namespace

QImage tabIcon(int id)
{
    QImage image = blankImage(16, 16);
    QPainter painter;
    beginSmooth(painter, image);
    switch (id) {
    case 330:
        gear(painter);
        break;
    case 331:
        lights(painter);
        break;
    case 334:
        snow(painter);
        break;
    case 338:
        wallpapers(painter);
        break;
    case 335:
        music(painter);
        break;
    case 339:
        countdown(painter);
        break;
    case 558:
        cursor(painter);
        break;
    case 337:
        tree(painter);
        break;
    case 332:
        logon(painter);
        break;
    case 333:
        site(painter);
        break;
    case 559:
        frost(painter);
        break;
    case 329:
        about(painter);
        break;
    default:
        break;
    }
    painter.end();
    return image;
}

QImage programIcon(int size)
{
    QImage image = blankImage(size, size);
    QPainter painter;
    beginSmooth(painter, image);
    emblem(painter, QRectF(0, 0, size, size), false);
    painter.end();
    return image;
}

namespace {

void paintIcons(ArtSink& sink)
{
    for (int id : kTabIcons)
        sink.add(QStringLiteral("ico/%1.png").arg(id), tabIcon(id));
    for (int size : programIconSizes)
        sink.add(QStringLiteral("ico/%1-%2.png").arg(kProgramIcon).arg(size), programIcon(size));
}

const ArtGroupRegistration registration("icons", &paintIcons);

} // namespace

} // namespace IconPictures
