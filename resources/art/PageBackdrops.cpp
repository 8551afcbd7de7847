#include "PageBackdrops.h"

#include "PageArtKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>

using namespace PageArtKit;

namespace PageBackdrops {

namespace {

constexpr qreal pi = 3.14159265358979323846;

// Faint crystals hugging the page edges: decoration that never reaches the
// middle where labels and sliders sit.
void edgeCrystals(QPainter& painter, int width, int height, ArtRandom& random, int alpha)
{
    struct Crystal {
        qreal x, y, r;
    };
    const std::array<Crystal, 7> crystals{{{6, 14, 18},
                                           {-6, 128, 28},
                                           {16, 262, 15},
                                           {465, 62, 20},
                                           {476, 168, 30},
                                           {452, 258, 22},
                                           {240, 286, 12}}};
    for (const auto& c : crystals) {
        QColor color = Palette::frost;
        color.setAlpha(alpha);
        const qreal sx = width / 480.0, sy = height / 290.0;
        snowflake(painter, QPointF(c.x * sx, c.y * sy), c.r, color, random.range(0, 30),
                  std::max<qreal>(1.2, c.r * 0.09));
    }
}

// Snow dots that thin out towards the middle of the page.
void edgeSnow(QPainter& painter, int width, int height, ArtRandom& random, int count)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal x = random.range(0, width), y = random.range(0, height);
        const qreal edge = std::min({x, width - x, y * 1.4, (height - y) * 1.4});
        const qreal keep = std::clamp(1.0 - edge / 46.0, 0.0, 1.0);
        if (random.unit() > keep)
            continue;
        QColor c = Palette::frost;
        c.setAlpha(int(40 + 70 * keep));
        painter.setBrush(c);
        const qreal r = random.range(0.7, 1.8);
        painter.drawEllipse(QPointF(x, y), r, r);
    }
    painter.restore();
}

void snowman(QPainter& painter, QPointF base, qreal height)
{
    painter.save();
    painter.setPen(QPen(QColor(0x9c, 0xb6, 0xd6), 1));
    const qreal r1 = height * 0.23, r2 = height * 0.17, r3 = height * 0.12;
    const QPointF c1 = base - QPointF(0, r1);
    const QPointF c2 = c1 - QPointF(0, r1 + r2 * 0.7);
    const QPointF c3 = c2 - QPointF(0, r2 + r3 * 0.7);
    auto ball = [&](QPointF c, qreal r) {
        QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(0.6, QColor(0xee, 0xf4, 0xfb));
        g.setColorAt(1, QColor(0xb8, 0xcc, 0xe6));
        painter.setBrush(g);
        painter.drawEllipse(c, r, r);
    };
    // Twig arms behind the middle ball.
    painter.save();
    painter.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c2 + QPointF(-r2 * 0.8, 0), c2 + QPointF(-r2 * 2.1, -r2 * 0.9));
    painter.drawLine(c2 + QPointF(-r2 * 1.7, -r2 * 0.7), c2 + QPointF(-r2 * 1.9, -r2 * 1.2));
    painter.drawLine(c2 + QPointF(r2 * 0.8, 0), c2 + QPointF(r2 * 2.0, -r2 * 0.6));
    painter.restore();
    ball(c1, r1);
    ball(c2, r2);
    ball(c3, r3);
    painter.setPen(Qt::NoPen);
    // Scarf.
    painter.setBrush(Palette::festiveRed);
    painter.drawRoundedRect(QRectF(c3.x() - r3 * 1.05, c3.y() + r3 * 0.7, r3 * 2.1, r3 * 0.45), 2,
                            2);
    painter.drawRoundedRect(QRectF(c3.x() + r3 * 0.3, c3.y() + r3 * 0.9, r3 * 0.45, r3 * 1.3), 2,
                            2);
    // Hat.
    painter.setBrush(QColor(0x22, 0x26, 0x33));
    painter.drawRect(QRectF(c3.x() - r3 * 1.0, c3.y() - r3 * 0.85, r3 * 2.0, r3 * 0.25));
    painter.drawRect(QRectF(c3.x() - r3 * 0.65, c3.y() - r3 * 1.85, r3 * 1.3, r3 * 1.05));
    painter.setBrush(Palette::festiveRed);
    painter.drawRect(QRectF(c3.x() - r3 * 0.65, c3.y() - r3 * 1.05, r3 * 1.3, r3 * 0.22));
    // Face and buttons.
    painter.setBrush(QColor(0x22, 0x26, 0x33));
    painter.drawEllipse(c3 + QPointF(-r3 * 0.35, -r3 * 0.2), r3 * 0.12, r3 * 0.12);
    painter.drawEllipse(c3 + QPointF(r3 * 0.35, -r3 * 0.2), r3 * 0.12, r3 * 0.12);
    for (int i = 0; i < 3; ++i)
        painter.drawEllipse(c2 + QPointF(0, -r2 * 0.45 + i * r2 * 0.45), r2 * 0.09, r2 * 0.09);
    QPainterPath nose;
    nose.moveTo(c3 + QPointF(0, -r3 * 0.02));
    nose.lineTo(c3 + QPointF(r3 * 0.95, r3 * 0.12));
    nose.lineTo(c3 + QPointF(0, r3 * 0.22));
    painter.setBrush(QColor(0xf0, 0x84, 0x24));
    painter.drawPath(nose);
    painter.restore();
}

// Shaded snow ground filling the rect below a rolling line.
void snowGround(QPainter& painter, const QRectF& rect, qreal baseY, qreal amplitude, int waves,
                qreal phase, const QColor& shadow)
{
    const QPainterPath hills = snowHills(rect, baseY, amplitude, waves, phase);
    painter.save();
    painter.setPen(Qt::NoPen);
    QLinearGradient g(QPointF(0, baseY - amplitude), QPointF(0, rect.bottom()));
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, shadow);
    painter.setBrush(g);
    painter.drawPath(hills);
    painter.setBrush(Qt::NoBrush);
    QColor line = shadow.darker(115);
    line.setAlpha(150);
    painter.setPen(QPen(line, 1.2));
    painter.drawPath(hills);
    painter.restore();
}

// Frost ferns: a stem that bends as it grows and puts out side fronds at
// about sixty degrees, each a smaller, irregular copy of itself. Spacing and
// lengths wander so the ferns look grown rather than printed.
void fern(QPainter& painter, QPointF from, qreal angle, qreal length, qreal width, int depth,
          ArtRandom& random)
{
    QPointF p = from;
    const qreal step = 4.5;
    const int segments = std::max(2, int(length / step));
    const qreal bend = random.range(-0.05, 0.05);
    const QColor color = painter.pen().color();
    int nextBranch = random.between(1, 3);
    for (int i = 0; i < segments; ++i) {
        const qreal w = width * (1.0 - 0.7 * qreal(i) / segments);
        const QPointF next = p + QPointF(std::cos(angle), std::sin(angle)) * step;
        painter.setPen(QPen(color, w, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(p, next);
        if (depth > 0 && i == nextBranch) {
            const qreal remaining = length * (1.0 - qreal(i) / segments);
            for (int side : {-1, 1}) {
                if (random.unit() < 0.18)
                    continue;
                const qreal side_length =
                    std::min(remaining * 0.9, length * 0.55) * random.range(0.25, 0.75);
                if (side_length > 3)
                    fern(painter, p, angle + side * random.range(0.85, 1.2), side_length, w * 0.72,
                         depth - 1, random);
            }
            nextBranch = i + random.between(1, 3);
        }
        angle += bend + random.range(-0.06, 0.06);
        p = next;
    }
}

// Fine needles of rime thickening towards the edges of the glass.
void rime(QPainter& painter, int width, int height, ArtRandom& random, int count)
{
    for (int i = 0; i < count; ++i) {
        const qreal x = random.range(0, width), y = random.range(0, height);
        // The upper left holds the white labels, so the rime keeps off it.
        const qreal edge =
            std::min({x * (y < 120 ? 2.5 : 1.0), width - x, y * 3.0, (height - y) * 0.8});
        const qreal keep = std::clamp(1.0 - edge / 90.0, 0.0, 1.0);
        if (random.unit() > keep * keep)
            continue;
        const qreal angle = random.between(0, 5) * pi / 3 + random.range(-0.15, 0.15);
        const qreal len = random.range(2, 7);
        painter.setPen(QPen(QColor(235, 246, 255, int(30 + 90 * keep * random.unit())), 0.9,
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, y),
                         QPointF(x + std::cos(angle) * len, y + std::sin(angle) * len));
    }
}

} // namespace

QImage windowBackground()
{
    const int width = 500, height = 325;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    QLinearGradient sky(QPointF(0, 0), QPointF(0, height));
    sky.setColorAt(0, QColor(0xa9, 0xc6, 0xe8));
    sky.setColorAt(0.45, QColor(0xd2, 0xe2, 0xf4));
    sky.setColorAt(1, QColor(0xee, 0xf4, 0xfb));
    painter.fillRect(image.rect(), sky);
    ArtRandom random(252);
    // Soft out-of-focus lights, like a lit window seen through falling snow.
    for (int i = 0; i < 22; ++i) {
        const QPointF at(random.range(0, width), random.range(0, height * 0.7));
        radialGlow(painter, at, random.range(8, 26), QColor(255, 255, 255, random.between(26, 60)));
    }
    // Far hills with a line of small firs, then the near snowfield.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc3, 0xd6, 0xee));
    painter.drawPath(snowHills(QRectF(0, 0, width, height), 268, 9, 2, 0.6));
    for (int i = 0; i < 18; ++i) {
        const qreal x = random.range(0, width);
        const qreal h = random.range(12, 26);
        firTree(painter, QPointF(x, 268 + 9 * std::sin(x / width * 4 * pi + 0.6) + 6), h,
                QColor(0x8e, 0xab, 0xcf), QColor(0x76, 0x95, 0xbd), true);
    }
    snowGround(painter, QRectF(0, 0, width, height), 298, 6, 1, 2.0, QColor(0xd8, 0xe6, 0xf5));
    snowfall(painter, image.rect(), 150, random, 0.7, 2.2, 120, 230);
    for (const QPointF at :
         {QPointF(26, 24), QPointF(478, 30), QPointF(20, 300), QPointF(484, 296)}) {
        snowflake(painter, at, random.range(12, 18), QColor(255, 255, 255, 150),
                  random.range(0, 30), 1.6);
    }
    painter.end();
    return image;
}

QImage pageBackground()
{
    const int width = 480, height = 290;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    QLinearGradient g(QPointF(0, 0), QPointF(0, height));
    g.setColorAt(0, QColor(0xfd, 0xfe, 0xff));
    g.setColorAt(0.6, QColor(0xf0, 0xf6, 0xfc));
    g.setColorAt(1, QColor(0xe0, 0xec, 0xf8));
    painter.fillRect(image.rect(), g);
    // A cool light from the upper left keeps the page from looking flat.
    radialGlow(painter, QPointF(60, 30), 260, QColor(255, 255, 255, 120));
    ArtRandom random(256);
    edgeSnow(painter, width, height, random, 700);
    edgeCrystals(painter, width, height, random, 62);
    painter.setPen(Qt::NoPen);
    QColor drift(255, 255, 255, 200);
    painter.setBrush(drift);
    painter.drawPath(snowHills(QRectF(0, 0, width, height), 276, 4, 2, 1.1));
    painter.end();
    return image;
}

QImage generalTop()
{
    const int width = 470, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    ArtRandom random(345);

    // The night-sky header; it must cover everything above row 60, where the
    // page background starts.
    const qreal snowLine = 46;
    QLinearGradient sky(QPointF(0, 0), QPointF(0, 64));
    sky.setColorAt(0, Palette::night);
    sky.setColorAt(1, Palette::nightLight);
    painter.fillRect(QRectF(0, 0, width, 64), sky);
    starField(painter, QRectF(0, 2, width, 40), 70, random);
    // Moon with a soft halo, left of the garland's first swag.
    radialGlow(painter, QPointF(118, 22), 26, QColor(255, 244, 210, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf6, 0xd8));
    QPainterPath moon;
    moon.addEllipse(QPointF(118, 22), 9, 9);
    QPainterPath bite;
    bite.addEllipse(QPointF(123, 18), 8, 8);
    painter.drawPath(moon.subtracted(bite));
    // Firs along the snow line, taller at the edges, away from the help button.
    for (const auto& [x, h] : std::array<std::pair<qreal, qreal>, 9>{{{14, 40},
                                                                      {34, 30},
                                                                      {54, 22},
                                                                      {190, 16},
                                                                      {292, 14},
                                                                      {318, 20},
                                                                      {392, 24},
                                                                      {414, 32},
                                                                      {436, 20}}})
        firTree(painter, QPointF(x, snowLine + 6), h, QColor(0x1d, 0x55, 0x4a),
                QColor(0x0c, 0x2c, 0x30), true);
    // Snow bank that melts into the page background below it.
    QPainterPath bank = snowHills(QRectF(0, 0, width, 66), snowLine, 3.5, 3, 0.4);
    QLinearGradient bankFill(QPointF(0, snowLine - 4), QPointF(0, 62));
    bankFill.setColorAt(0, QColor(0xe4, 0xee, 0xfa));
    bankFill.setColorAt(0.5, QColor(0xfb, 0xfd, 0xff));
    bankFill.setColorAt(1, QColor(0xfd, 0xfe, 0xff));
    painter.setBrush(bankFill);
    painter.drawPath(bank);
    QLinearGradient fade(QPointF(0, 62), QPointF(0, 70));
    fade.setColorAt(0, QColor(0xfd, 0xfe, 0xff));
    fade.setColorAt(1, QColor(0xfd, 0xfe, 0xff, 0));
    painter.fillRect(QRectF(0, 62, width, 8), fade);
    // Lights strung across the sky; the last swag stops short of the help button.
    lightString(painter, QPointF(-8, -2), QPointF(148, 2), 9, 7, 3.2, 0);
    lightString(painter, QPointF(148, 2), QPointF(296, -1), 10, 7, 3.2, 2);
    lightString(painter, QPointF(296, -1), QPointF(436, 2), 8, 6, 3.2, 4);

    // Snowy ground along the foot of the page, clear of the text rows above it.
    const QRectF foot(0, 0, width, height);
    for (const auto& [x, h] :
         std::array<std::pair<qreal, qreal>, 4>{{{24, 96}, {58, 62}, {446, 104}, {414, 66}}})
        firTree(painter, QPointF(x, 258), h, Palette::pine, Palette::pineDark, true);
    // A few lights on the tall corner trees.
    for (const auto& [x, y, c] :
         std::array<std::tuple<qreal, qreal, QColor>, 8>{{{18, 215, Palette::gold},
                                                          {33, 232, Palette::festiveRed},
                                                          {24, 196, QColor(0x4a, 0xa8, 0xff)},
                                                          {14, 240, Palette::gold},
                                                          {440, 212, Palette::festiveRed},
                                                          {454, 230, Palette::gold},
                                                          {446, 190, Palette::gold},
                                                          {434, 240, QColor(0x4a, 0xa8, 0xff)}}}) {
        QColor halo = c;
        halo.setAlpha(110);
        radialGlow(painter, QPointF(x, y), 6, halo);
        painter.setPen(Qt::NoPen);
        painter.setBrush(c.lighter(120));
        painter.drawEllipse(QPointF(x, y), 1.8, 1.8);
    }
    snowGround(painter, foot, 252, 5, 2, 0.3, QColor(0xc6, 0xd8, 0xee));
    present(painter, QRectF(76, 238, 22, 18), Palette::festiveRed, Palette::gold);
    present(painter, QRectF(100, 244, 16, 13), QColor(0x2e, 0x6f, 0xc4), QColor(0xf4, 0xf4, 0xf4));
    snowman(painter, QPointF(372, 262), 52);
    painter.end();
    return image;
}

QImage cursorTop()
{
    const int width = 470, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    ArtRandom random(561);

    // Top right, beside the Enable box: a pointer trailing fairy dust in the
    // four colours the fairy-dust effect uses.
    const std::array<QColor, 4> dust{QColor(0xff, 0x00, 0xff), QColor(0x00, 0xd0, 0x00),
                                     QColor(0x00, 0xd8, 0xff), QColor(0xff, 0xd0, 0x00)};
    const QPointF tip(402, 6);
    for (int i = 0; i < 26; ++i) {
        const qreal t = qreal(i) / 25;
        const QPointF p(tip.x() - 8 - t * 230, tip.y() + 24 + 10 * std::sin(t * pi * 1.6) - t * 8);
        const QPointF jitter(random.range(-5, 5), random.range(-6, 6));
        QColor c = dust[size_t(i) % dust.size()];
        c.setAlpha(int(235 - 150 * t));
        sparkle(painter, p + jitter, 7.5 - 5 * t, c);
    }
    // The arrow pointer itself.
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 26);
    arrow.lineTo(6, 20);
    arrow.lineTo(10.5, 30);
    arrow.lineTo(14.5, 28.2);
    arrow.lineTo(10, 18.5);
    arrow.lineTo(18, 18.5);
    arrow.closeSubpath();
    arrow.translate(tip);
    painter.drawImage(0, 0, glowOf(arrow, image.size(), QColor(255, 240, 160, 170), 8, 2));
    painter.setPen(QPen(QColor(0x12, 0x18, 0x24), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);

    // The foot of the page: the things the pointer can carry, half sunk in
    // the snow that is drawn over their feet.
    present(painter, QRectF(30, 218, 32, 27), Palette::festiveRed, Palette::gold);
    present(painter, QRectF(64, 227, 24, 19), QColor(0x2e, 0x6f, 0xc4), QColor(0xf4, 0xf4, 0xf4));
    present(painter, QRectF(46, 198, 22, 19), QColor(0x2f, 0x8a, 0x4e), Palette::festiveRed);
    bauble(painter, QPointF(136, 233), 9, Palette::festiveRed);
    bauble(painter, QPointF(157, 237), 6.5, QColor(0x2e, 0x6f, 0xc4));
    wreath(painter, QPointF(236, 218), 17, random);
    bells(painter, QPointF(318, 214), 24);
    {
        // A poinsettia flower.
        const QPointF c(398, 226);
        painter.setPen(Qt::NoPen);
        for (int layer = 0; layer < 2; ++layer) {
            for (int i = 0; i < 6; ++i) {
                painter.save();
                painter.translate(c);
                painter.rotate(i * 60 + layer * 30);
                QPainterPath leaf;
                const qreal len = layer ? 13 : 18;
                leaf.moveTo(0, 0);
                leaf.quadTo(len * 0.4, -len * 0.4, 0, -len);
                leaf.quadTo(-len * 0.4, -len * 0.4, 0, 0);
                QLinearGradient g(QPointF(0, 0), QPointF(0, -len));
                g.setColorAt(0, layer ? QColor(0xd0, 0x1c, 0x2c) : QColor(0x9c, 0x0e, 0x1e));
                g.setColorAt(1, layer ? QColor(0xf0, 0x44, 0x4c) : QColor(0xc8, 0x20, 0x30));
                painter.setBrush(g);
                painter.drawPath(leaf);
                painter.restore();
            }
        }
        painter.setBrush(Palette::gold);
        for (int i = 0; i < 5; ++i)
            painter.drawEllipse(c + QPointF(std::cos(i * 1.26) * 2.2, std::sin(i * 1.26) * 2.2),
                                1.3, 1.3);
    }
    snowGround(painter, QRectF(0, 0, width, height), 243, 3, 2, 1.2, QColor(0xc6, 0xd8, 0xee));
    snowfall(painter, QRectF(0, 196, width, 60), 40, random, 0.8, 1.8, 150, 230);
    painter.end();
    return image;
}

QImage frostPage()
{
    const int width = 472, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    QRadialGradient g(QPointF(190, 60), 420);
    g.setColorAt(0, QColor(0x3a, 0x68, 0xa4));
    g.setColorAt(0.55, QColor(0x23, 0x48, 0x80));
    g.setColorAt(1, QColor(0x10, 0x27, 0x52));
    painter.fillRect(image.rect(), g);

    // Ferns grow in from the corners and the foot of the glass; the upper left
    // where the white labels sit stays clear.
    QImage ferns = blankImage(width, height);
    QPainter fernPainter;
    beginSmooth(fernPainter, ferns);
    ArtRandom random(562);
    struct Seed {
        QPointF at;
        qreal angle, length;
    };
    const std::array<Seed, 16> seeds{{{{0, 273}, -0.9, 130},
                                      {{0, 226}, -0.4, 80},
                                      {{0, 150}, -0.15, 46},
                                      {{44, 273}, -1.3, 92},
                                      {{120, 273}, -1.75, 48},
                                      {{196, 273}, -1.35, 40},
                                      {{262, 273}, -1.8, 58},
                                      {{330, 273}, -1.5, 44},
                                      {{408, 273}, -1.95, 96},
                                      {{472, 273}, -2.25, 140},
                                      {{472, 196}, -2.8, 90},
                                      {{472, 120}, -3.0, 52},
                                      {{472, 0}, 2.3, 116},
                                      {{472, 52}, 2.85, 70},
                                      {{400, 0}, 1.85, 60},
                                      {{330, 0}, 1.45, 34}}};
    fernPainter.setPen(QPen(QColor(235, 246, 255, 170), 2));
    for (const auto& seed : seeds)
        fern(fernPainter, seed.at, seed.angle, seed.length, 2.2, 3, random);
    rime(fernPainter, width, height, random, 5000);
    fernPainter.end();
    QImage haze = ferns;
    blur(haze, 6);
    painter.drawImage(0, 0, haze);
    painter.drawImage(0, 0, haze);
    painter.drawImage(0, 0, ferns);

    // Frosted rim: the glass whitens towards its edges.
    for (const QRectF& band : {QRectF(0, 0, width, 34), QRectF(0, height - 40, width, 40)}) {
        QLinearGradient edge(band.topLeft(), band.bottomLeft());
        const bool top = band.top() == 0;
        edge.setColorAt(top ? 0 : 1, QColor(220, 236, 255, 70));
        edge.setColorAt(top ? 1 : 0, QColor(220, 236, 255, 0));
        painter.fillRect(band, edge);
    }
    starField(painter, QRectF(0, 100, width, height - 100), 70, random, QColor(230, 244, 255));
    snowflake(painter, QPointF(404, 190), 34, QColor(255, 255, 255, 70), 8, 2.4);
    snowflake(painter, QPointF(330, 236), 16, QColor(255, 255, 255, 60), 20, 1.6);
    snowflake(painter, QPointF(58, 160), 20, QColor(255, 255, 255, 55), 4, 1.8);
    painter.end();
    return image;
}

QImage treePage()
{
    const int width = 470, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    QLinearGradient g(QPointF(0, 0), QPointF(0, height));
    g.setColorAt(0, QColor(0xf6, 0xfa, 0xff));
    g.setColorAt(0.7, QColor(0xee, 0xf5, 0xfc));
    g.setColorAt(1, QColor(0xdc, 0xea, 0xf7));
    painter.fillRect(image.rect(), g);
    radialGlow(painter, QPointF(235, 150), 240, QColor(255, 255, 255, 150));
    ArtRandom random(310);
    edgeSnow(painter, width, height, random, 400);

    // A fir swag along the top with ornaments on ribbons of varied length.
    const std::array<std::tuple<qreal, qreal, QColor>, 9> hanging{
        {{38, 30, Palette::festiveRed},
         {92, 44, Palette::gold.darker(105)},
         {150, 26, QColor(0x2e, 0x6f, 0xc4)},
         {210, 40, Palette::festiveRed},
         {268, 28, Palette::gold.darker(105)},
         {326, 44, QColor(0x2e, 0x6f, 0xc4)},
         {384, 30, Palette::festiveRed},
         {420, 44, Palette::gold.darker(105)},
         {16, 48, QColor(0x2e, 0x6f, 0xc4)}}};
    for (const auto& [x, drop, color] : hanging) {
        painter.setPen(QPen(Palette::gold.darker(130), 1));
        painter.drawLine(QPointF(x, 6), QPointF(x, drop - 6));
        bauble(painter, QPointF(x, drop), 6, color);
    }
    pineSwag(painter, QPointF(-10, -2), QPointF(160, -2), 9, 11, random);
    pineSwag(painter, QPointF(160, -2), QPointF(320, -2), 10, 11, random);
    pineSwag(painter, QPointF(320, -2), QPointF(480, -2), 9, 11, random);
    for (qreal x : {0.0, 160.0, 320.0, 470.0}) {
        painter.setPen(QPen(Palette::redDark, 1));
        painter.setBrush(Palette::festiveRed);
        painter.drawEllipse(QRectF(x - 8, 1, 8, 6));
        painter.drawEllipse(QRectF(x, 1, 8, 6));
        painter.setBrush(Palette::redDark);
        painter.drawEllipse(QPointF(x, 4), 2.2, 2.2);
    }

    // A little wood along the foot of the page.
    const std::array<std::pair<qreal, qreal>, 12> firs{{{14, 46},
                                                        {40, 34},
                                                        {74, 24},
                                                        {126, 30},
                                                        {178, 22},
                                                        {222, 36},
                                                        {262, 26},
                                                        {310, 32},
                                                        {352, 22},
                                                        {398, 30},
                                                        {430, 40},
                                                        {458, 50}}};
    for (const auto& [x, h] : firs)
        firTree(painter, QPointF(x, 262 + random.range(-2, 2)), h, Palette::pine, Palette::pineDark,
                true);
    snowGround(painter, QRectF(0, 0, width, height), 258, 3, 2, 0.8, QColor(0xc8, 0xda, 0xef));
    painter.end();
    return image;
}

QImage logonPage()
{
    const int width = 470, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    QLinearGradient g(QPointF(0, 0), QPointF(0, height));
    g.setColorAt(0, QColor(0xfd, 0xfe, 0xff));
    g.setColorAt(1, QColor(0xe2, 0xed, 0xf8));
    painter.fillRect(image.rect(), g);
    radialGlow(painter, QPointF(339, 136), 230, QColor(0xb9, 0xd2, 0xee, 120));
    ArtRandom random(344);
    edgeSnow(painter, width, height, random, 500);
    lightString(painter, QPointF(-6, -2), QPointF(150, 0), 6, 7, 2.8, 1);
    lightString(painter, QPointF(150, 0), QPointF(300, -2), 6, 7, 2.8, 3);
    lightString(painter, QPointF(300, -2), QPointF(440, 0), 5, 6, 2.8, 0);

    // A monitor round the preview (the preview box is 219,63 .. 459,210), so
    // the chosen picture looks like the screen it will appear on.
    const QRectF screen(219, 63, 240, 147);
    const QRectF bezel = screen.adjusted(-9, -9, 9, 12);
    painter.setPen(Qt::NoPen);
    QImage shadow = blankImage(width, height);
    {
        QPainter s;
        beginSmooth(s, shadow);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0x1a, 0x30, 0x50, 110));
        s.drawRoundedRect(bezel.translated(2, 4), 9, 9);
        s.drawEllipse(QRectF(bezel.center().x() - 52, 242, 104, 12));
        s.end();
        blur(shadow, 8);
    }
    painter.drawImage(0, 0, shadow);
    // Stand.
    QLinearGradient neck(QPointF(bezel.center().x() - 14, 0), QPointF(bezel.center().x() + 14, 0));
    neck.setColorAt(0, QColor(0x3a, 0x44, 0x52));
    neck.setColorAt(0.5, QColor(0x6a, 0x76, 0x86));
    neck.setColorAt(1, QColor(0x2a, 0x32, 0x3e));
    painter.setBrush(neck);
    QPainterPath stand;
    stand.moveTo(bezel.center().x() - 10, bezel.bottom() - 2);
    stand.lineTo(bezel.center().x() + 10, bezel.bottom() - 2);
    stand.lineTo(bezel.center().x() + 16, 242);
    stand.lineTo(bezel.center().x() - 16, 242);
    stand.closeSubpath();
    painter.drawPath(stand);
    painter.drawRoundedRect(QRectF(bezel.center().x() - 46, 240, 92, 8), 4, 4);
    // Bezel.
    QLinearGradient frame(bezel.topLeft(), bezel.bottomLeft());
    frame.setColorAt(0, QColor(0x4a, 0x55, 0x66));
    frame.setColorAt(0.08, QColor(0x2a, 0x32, 0x3e));
    frame.setColorAt(1, QColor(0x14, 0x19, 0x21));
    painter.setBrush(frame);
    painter.setPen(QPen(QColor(0x0c, 0x10, 0x16), 1));
    painter.drawRoundedRect(bezel, 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7c, 0xc4, 0xff));
    painter.drawEllipse(QPointF(bezel.right() - 10, bezel.bottom() - 6), 1.4, 1.4);
    // What the screen shows before a picture is chosen: a quiet winter dusk.
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, Palette::nightMid);
    glass.setColorAt(1, Palette::nightLight);
    painter.fillRect(screen, glass);
    painter.save();
    painter.setClipRect(screen);
    starField(painter, screen.adjusted(0, 0, 0, -50), 40, random);
    painter.setBrush(QColor(0xe8, 0xf0, 0xfa));
    painter.drawPath(snowHills(screen, screen.bottom() - 30, 5, 1, 0.5));
    firTree(painter, QPointF(screen.center().x() + 50, screen.bottom() - 24), 50, Palette::pine,
            Palette::pineDark, true);
    firTree(painter, QPointF(screen.center().x() + 78, screen.bottom() - 22), 32, Palette::pine,
            Palette::pineDark, true);
    painter.restore();

    QPainterPath drift = snowHills(QRectF(0, 0, width, height), 262, 3, 2, 2.2);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawPath(drift);
    for (const QPointF at : {QPointF(4, 70), QPointF(200, 30), QPointF(-2, 180)}) {
        QColor c = Palette::frost;
        c.setAlpha(60);
        snowflake(painter, at, 16, c, random.range(0, 30), 1.5);
    }
    painter.end();
    return image;
}

} // namespace PageBackdrops
