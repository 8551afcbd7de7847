#include "PageShowcase.h"

#include "PageArtKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>

using namespace PageArtKit;

namespace PageShowcase {

namespace {

constexpr qreal pi = 3.14159265358979323846;

const QString serif = QStringLiteral("Liberation Serif");
const QString sans = QStringLiteral("Liberation Sans");

// Night sky with a faint green-blue aurora, shared by About and the site page.
void nightSky(QPainter& painter, const QRectF& rect, ArtRandom& random, int stars)
{
    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0, QColor(0x05, 0x0f, 0x2a));
    sky.setColorAt(0.55, Palette::nightMid);
    sky.setColorAt(1, QColor(0x24, 0x4a, 0x8e));
    painter.fillRect(rect, sky);
    // The aurora is painted sharp on its own layer and then blurred, so it
    // reads as a veil of light rather than as stripes.
    QImage veil = blankImage(int(rect.width()), int(rect.height()));
    {
        QPainter v;
        beginSmooth(v, veil);
        for (int band = 0; band < 3; ++band) {
            QPainterPath ribbon;
            const qreal y0 = rect.height() * (0.14 + 0.09 * band);
            for (qreal x = -20; x <= rect.width() + 20; x += 6) {
                const qreal y = y0 + 16 * std::sin(x / rect.width() * 2.2 * pi + band * 1.3);
                if (x < -19)
                    ribbon.moveTo(x, y);
                else
                    ribbon.lineTo(x, y);
            }
            v.setPen(QPen(QColor(0x70, 0xf0, 0xc8, 46 - band * 10), 14 - band * 3));
            v.drawPath(ribbon);
            v.setPen(QPen(QColor(0x9c, 0x8c, 0xff, 24), 6));
            v.drawPath(ribbon.translated(0, -12));
        }
        v.end();
        blur(veil, 16);
    }
    painter.drawImage(rect.topLeft(), veil);
    starField(painter, rect, stars, random);
}

// Dark snowy hills for a night scene, with firs standing on the far ridge.
void nightHills(QPainter& painter, const QRectF& rect, qreal farY, qreal nearY, ArtRandom& random,
                const std::vector<std::pair<qreal, qreal>>& firs)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2c, 0x4e, 0x88));
    painter.drawPath(snowHills(rect, farY, 8, 2, 0.9));
    for (const auto& [x, h] : firs)
        firTree(painter, QPointF(x, farY + 10 + random.range(-2, 2)), h, QColor(0x17, 0x45, 0x4a),
                QColor(0x0a, 0x22, 0x30), true);
    QLinearGradient near(QPointF(0, nearY - 8), QPointF(0, rect.bottom()));
    near.setColorAt(0, QColor(0x5a, 0x7e, 0xb8));
    near.setColorAt(1, QColor(0x22, 0x40, 0x78));
    painter.setBrush(near);
    painter.drawPath(snowHills(rect, nearY, 6, 1, 2.3));
    painter.restore();
}

// A wall clock a few minutes before midnight, with holly on top.
void clockFace(QPainter& painter, QPointF c, qreal r, qreal minutesToMidnight)
{
    painter.save();
    QRadialGradient rim(c + QPointF(-r * 0.3, -r * 0.3), r * 1.3);
    rim.setColorAt(0, Palette::gold.lighter(130));
    rim.setColorAt(0.7, Palette::gold);
    rim.setColorAt(1, Palette::goldDark);
    painter.setPen(QPen(Palette::goldDark.darker(150), 1.2));
    painter.setBrush(rim);
    painter.drawEllipse(c, r, r);
    QRadialGradient face(c + QPointF(-r * 0.2, -r * 0.25), r);
    face.setColorAt(0, QColor(0xff, 0xfd, 0xf6));
    face.setColorAt(1, QColor(0xe8, 0xdf, 0xc8));
    painter.setBrush(face);
    painter.setPen(QPen(Palette::goldDark, 1));
    painter.drawEllipse(c, r * 0.84, r * 0.84);
    for (int i = 0; i < 60; ++i) {
        const qreal a = i * pi / 30;
        const bool hour = i % 5 == 0;
        const QPointF dir(std::sin(a), -std::cos(a));
        painter.setPen(QPen(QColor(0x3a, 0x24, 0x18), hour ? r * 0.055 : r * 0.02, Qt::SolidLine,
                            Qt::RoundCap));
        painter.drawLine(c + dir * r * (hour ? 0.62 : 0.7), c + dir * r * 0.76);
    }
    const qreal minuteAngle = (60 - minutesToMidnight) / 60 * 2 * pi;
    const qreal hourAngle = (11 + (60 - minutesToMidnight) / 60) / 12 * 2 * pi;
    painter.setPen(QPen(QColor(0x2a, 0x1a, 0x12), r * 0.07, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c, c + QPointF(std::sin(hourAngle), -std::cos(hourAngle)) * r * 0.42);
    painter.setPen(QPen(QColor(0x2a, 0x1a, 0x12), r * 0.045, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c, c + QPointF(std::sin(minuteAngle), -std::cos(minuteAngle)) * r * 0.64);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::festiveRed);
    painter.drawEllipse(c, r * 0.07, r * 0.07);
    // Holly: two leaves and three berries at the top of the rim.
    const QPointF top = c + QPointF(0, -r * 0.95);
    for (int side : {-1, 1}) {
        painter.save();
        painter.translate(top);
        painter.rotate(side * 62);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(r * 0.12, -r * 0.1, r * 0.14, -r * 0.38, 0, -r * 0.5);
        leaf.cubicTo(-r * 0.14, -r * 0.38, -r * 0.12, -r * 0.1, 0, 0);
        painter.setBrush(Palette::pine);
        painter.drawPath(leaf);
        painter.restore();
    }
    painter.setBrush(Palette::festiveRed);
    for (const QPointF d :
         {QPointF(-r * 0.07, -r * 0.02), QPointF(r * 0.07, -r * 0.02), QPointF(0, -r * 0.11)})
        painter.drawEllipse(top + d, r * 0.07, r * 0.07);
    painter.restore();
}

// A burst of fireworks: rays of fading sparks round a bright centre.
void firework(QPainter& painter, QPointF c, qreal r, const QColor& color, ArtRandom& random)
{
    painter.save();
    QColor halo = color;
    halo.setAlpha(70);
    radialGlow(painter, c, r * 0.9, halo);
    const int rays = 26;
    for (int i = 0; i < rays; ++i) {
        const qreal a = i * 2 * pi / rays + random.range(-0.05, 0.05);
        const qreal len = r * random.range(0.75, 1.0);
        const QPointF dir(std::cos(a), std::sin(a));
        QLinearGradient g(c + dir * r * 0.15, c + dir * len);
        QColor tail = color;
        tail.setAlpha(0);
        g.setColorAt(0, tail);
        g.setColorAt(1, color);
        painter.setPen(QPen(QBrush(g), 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(c + dir * r * 0.15, c + dir * len);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color.lighter(150));
        painter.drawEllipse(c + dir * len, 1.3, 1.3);
    }
    painter.restore();
}

} // namespace

const std::vector<CountdownEdition>& countdownEditions()
{
    static const std::vector<CountdownEdition> editions{
        {QStringLiteral("English"),
         kCountdownOther,
         {QStringLiteral("Countdown"), QStringLiteral("to Christmas")},
         QStringLiteral("How many days are left?"),
         QStringLiteral("Open")},
        {QStringLiteral("Russian"),
         kCountdownRussian,
         {QStringLiteral("Обратный отсчёт"), QStringLiteral("до Рождества")},
         QStringLiteral("Сколько дней осталось?"),
         QStringLiteral("Открыть")},
        {QStringLiteral("German"),
         kCountdownGerman,
         {QStringLiteral("Countdown"), QStringLiteral("bis Weihnachten")},
         QStringLiteral("Wie viele Tage noch?"),
         QStringLiteral("Öffnen")},
        {QStringLiteral("French"),
         kCountdownFrench,
         {QStringLiteral("Compte à rebours"), QStringLiteral("jusqu’à Noël")},
         QStringLiteral("Combien de jours encore\u00a0?"),
         QStringLiteral("Ouvrir")},
        {QStringLiteral("Polish"),
         kCountdownPolish,
         {QStringLiteral("Odliczanie do"), QStringLiteral("Bożego Narodzenia")},
         QStringLiteral("Ile dni jeszcze zostało?"),
         QStringLiteral("Otwórz")},
    };
    return editions;
}

QString siteButtonLabel()
{
    return QStringLiteral("Перейти");
}

QImage aboutBackground()
{
    const int width = 500, height = 360;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    ArtRandom random(251);
    nightSky(painter, QRectF(0, 0, width, height), random, 170);
    // The emblem (172, 8, 128 x 128) hangs in a warm light.
    radialGlow(painter, QPointF(236, 76), 150, QColor(0x6a, 0x9c, 0xe8, 90));
    // A soft band of light behind the name and the version line.
    QRadialGradient band(QPointF(236, 168), 190);
    band.setColorAt(0, QColor(0x4a, 0x78, 0xc8, 70));
    band.setColorAt(1, QColor(0x4a, 0x78, 0xc8, 0));
    painter.save();
    painter.scale(1, 0.32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawEllipse(QPointF(236, 168 / 0.32), 190, 190);
    painter.restore();
    nightHills(painter, QRectF(0, 0, width, height), 222, 252, random,
               {{16, 70},
                {44, 52},
                {72, 36},
                {100, 26},
                {372, 28},
                {400, 40},
                {428, 58},
                {456, 76},
                {484, 54}});
    snowfall(painter, image.rect(), 120, random, 0.7, 2.0, 110, 220);
    painter.end();
    return image;
}

QImage emblem()
{
    QImage image = blankImage(128, 128);
    QPainter painter;
    beginSmooth(painter, image);
    PageArtKit::emblem(painter, QRectF(0, 0, 128, 128), true);
    // Two twinkles catching the light.
    sparkle(painter, QPointF(96, 36), 9, QColor(255, 250, 230));
    sparkle(painter, QPointF(30, 92), 6, QColor(255, 250, 230, 220));
    painter.end();
    return image;
}

QImage title()
{
    const int width = 256, height = 64;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    // The lower rows stay clear: the version line is drawn over them.
    const QPainterPath path =
        textPath(QStringLiteral("Yulavin"), font(serif, 54, true, true), QPointF(128, 25));
    Lettering style;
    style.fillTop = QColor(0xff, 0xe6, 0x90);
    style.fillBottom = QColor(0xd8, 0x8e, 0x1c);
    style.outline = QColor(0x5a, 0x10, 0x18);
    style.outlineWidth = 2.2;
    style.glow = QColor(255, 210, 120, 170);
    style.glowRadius = 7;
    style.snowCaps = true;
    drawLettering(painter, image, path, style);
    sparkle(painter, QPointF(232, 10), 7, QColor(255, 255, 240));
    sparkle(painter, QPointF(24, 42), 4.5, QColor(255, 255, 240, 220));
    painter.end();
    return image;
}

QImage countdownPage(const CountdownEdition& edition)
{
    const int width = 470, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    ArtRandom random(265);
    // Warm velvet red, lit from behind the title.
    QRadialGradient velvet(QPointF(235, 80), 330);
    velvet.setColorAt(0, QColor(0xc4, 0x24, 0x36));
    velvet.setColorAt(0.55, QColor(0x8e, 0x12, 0x22));
    velvet.setColorAt(1, QColor(0x46, 0x05, 0x10));
    painter.fillRect(image.rect(), velvet);
    for (int i = 0; i < 14; ++i) {
        snowflake(painter, QPointF(random.range(0, width), random.range(0, height)),
                  random.range(5, 14), QColor(255, 255, 255, random.between(30, 70)),
                  random.range(0, 60));
    }
    snowfall(painter, image.rect(), 90, random, 0.7, 1.9, 90, 200);
    lightString(painter, QPointF(-6, -2), QPointF(160, 0), 6, 8, 2.8, 1);
    lightString(painter, QPointF(160, 0), QPointF(310, -2), 6, 8, 2.8, 3);
    lightString(painter, QPointF(310, -2), QPointF(476, 0), 6, 8, 2.8, 0);

    // Title in two lines, then the question; the button sits under them at
    // (192, 138, 106 x 40).
    Lettering style;
    style.fillTop = QColor(0xff, 0xea, 0x9c);
    style.fillBottom = QColor(0xe8, 0xa2, 0x28);
    style.outline = QColor(0x3c, 0x04, 0x0c);
    style.outlineWidth = 2;
    style.glow = QColor(255, 200, 120, 120);
    style.glowRadius = 6;
    style.snowCaps = true;
    const QFont base = font(serif, 34, true, true);
    int size = 34;
    for (const QString& line : edition.headline)
        size = std::min(size, fittingPixelSize(line, base, 300, 34));
    for (int i = 0; i < edition.headline.size(); ++i) {
        const QPainterPath path =
            textPath(edition.headline[i], font(serif, size, true, true), QPointF(245, 42 + i * 40));
        drawLettering(painter, image, path, style);
    }
    QFont question = font(sans, 15, false, true);
    painter.setFont(question);
    const QRectF questionRect(110, 102, 270, 22);
    painter.setPen(QColor(0x3c, 0x04, 0x0c, 160));
    painter.drawText(questionRect.translated(1, 1), Qt::AlignCenter, edition.question);
    painter.setPen(QColor(0xff, 0xf0, 0xe0));
    painter.drawText(questionRect, Qt::AlignCenter, edition.question);

    // Left: the clock at five to midnight; right: a tree with presents.
    clockFace(painter, QPointF(72, 150), 44, 5);
    painter.setPen(Qt::NoPen);
    QLinearGradient floor(QPointF(0, 236), QPointF(0, height));
    floor.setColorAt(0, QColor(255, 255, 255));
    floor.setColorAt(1, QColor(0xd8, 0xe4, 0xf2));
    painter.setBrush(floor);
    painter.drawPath(snowHills(QRectF(0, 0, width, height), 246, 5, 2, 0.7));
    firTree(painter, QPointF(404, 250), 150, Palette::pine, Palette::pineDark, true);
    const std::array<std::pair<QPointF, QColor>, 9> ornaments{
        {{{404, 112}, Palette::gold},
         {{390, 150}, Palette::festiveRed.lighter(115)},
         {{418, 168}, QColor(0x4a, 0xa8, 0xff)},
         {{396, 190}, Palette::gold},
         {{376, 206}, QColor(0x4a, 0xa8, 0xff)},
         {{430, 204}, Palette::festiveRed.lighter(115)},
         {{408, 222}, Palette::gold},
         {{382, 228}, Palette::festiveRed.lighter(115)},
         {{440, 226}, QColor(0x4a, 0xa8, 0xff)}}};
    for (const auto& [at, color] : ornaments)
        bauble(painter, at, 4.2, color, false);
    sparkle(painter, QPointF(404, 98), 10, QColor(255, 236, 150));
    present(painter, QRectF(346, 236, 24, 20), QColor(0x2e, 0x6f, 0xc4), Palette::gold);
    present(painter, QRectF(432, 238, 22, 18), Palette::gold.darker(110), Palette::festiveRed);
    present(painter, QRectF(30, 234, 26, 22), QColor(0x2f, 0x8a, 0x4e), Palette::gold);
    present(painter, QRectF(60, 242, 18, 14), QColor(0xf4, 0xf4, 0xf4), Palette::festiveRed);
    painter.end();
    return image;
}

QImage wallpapersPage()
{
    const int width = 471, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    ArtRandom random(285);
    QLinearGradient wall(QPointF(0, 0), QPointF(0, height));
    wall.setColorAt(0, QColor(0x2a, 0x40, 0x72));
    wall.setColorAt(1, QColor(0x12, 0x20, 0x42));
    painter.fillRect(image.rect(), wall);
    // Spotlight on the big button (122, 31, 220 x 220).
    radialGlow(painter, QPointF(232, 141), 190, QColor(0x9c, 0xc4, 0xff, 80));
    snowfall(painter, image.rect(), 80, random, 0.7, 1.8, 80, 170);

    // Small framed scenes hung at a tilt on both sides of the button.
    struct Frame {
        QPointF centre;
        qreal angle, w, h;
        int scene;
    };
    const std::array<Frame, 4> frames{{{{60, 84}, -7, 78, 60, 0},
                                       {{58, 186}, 5, 70, 86, 1},
                                       {{408, 80}, 6, 74, 92, 2},
                                       {{410, 194}, -5, 80, 62, 3}}};
    for (const auto& f : frames) {
        painter.save();
        painter.translate(f.centre);
        painter.rotate(f.angle);
        const QRectF outer(-f.w / 2, -f.h / 2, f.w, f.h);
        // Picture wire and nail.
        painter.setPen(QPen(QColor(0xc8, 0xd2, 0xe0, 160), 1));
        painter.drawLine(QPointF(-f.w * 0.3, outer.top() + 4), QPointF(0, outer.top() - 12));
        painter.drawLine(QPointF(f.w * 0.3, outer.top() + 4), QPointF(0, outer.top() - 12));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawRect(outer.translated(3, 4));
        painter.setBrush(QColor(0xf6, 0xf1, 0xe6));
        painter.drawRect(outer);
        const QRectF inner = outer.adjusted(5, 5, -5, -5);
        painter.setClipRect(inner);
        switch (f.scene) {
        case 0: {
            verticalGradient(painter, inner, Palette::nightMid, Palette::nightLight);
            starField(painter, inner, 16, random);
            painter.setBrush(QColor(0xee, 0xf4, 0xfb));
            painter.drawPath(snowHills(inner, inner.bottom() - 12, 3, 1, 0.3));
            firTree(painter, QPointF(inner.center().x() + 8, inner.bottom() - 8), 30, Palette::pine,
                    Palette::pineDark, true);
            break;
        }
        case 1: {
            verticalGradient(painter, inner, QColor(0xc9, 0x2a, 0x3c), QColor(0x6e, 0x0a, 0x18));
            bauble(painter, inner.center() + QPointF(0, 6), 16, Palette::gold.darker(105));
            painter.setPen(QPen(Palette::gold, 1));
            painter.drawLine(QPointF(inner.center().x(), inner.top()),
                             inner.center() + QPointF(0, -14));
            break;
        }
        case 2: {
            verticalGradient(painter, inner, QColor(0x9c, 0xc4, 0xea), QColor(0xe8, 0xf2, 0xfb));
            snowflake(painter, inner.center(), 24, QColor(255, 255, 255), 0, 2.2);
            break;
        }
        default: {
            verticalGradient(painter, inner, QColor(0x1a, 0x3a, 0x2a), QColor(0x0c, 0x22, 0x18));
            lightString(painter, inner.topLeft() + QPointF(-4, 10),
                        inner.topRight() + QPointF(4, 10), 8, 6, 2.6, 0);
            present(painter, QRectF(inner.center().x() - 12, inner.bottom() - 24, 24, 20),
                    Palette::festiveRed, Palette::gold);
            break;
        }
        }
        painter.restore();
    }
    lightString(painter, QPointF(-6, -2), QPointF(160, 0), 6, 8, 2.8, 2);
    lightString(painter, QPointF(160, 0), QPointF(310, -2), 6, 8, 2.8, 4);
    lightString(painter, QPointF(310, -2), QPointF(477, 0), 6, 8, 2.8, 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xee, 0xf4, 0xfb));
    painter.drawPath(snowHills(QRectF(0, 0, width, height), 262, 3, 2, 1.6));
    painter.end();
    return image;
}

QImage sitePage()
{
    const int width = 470, height = 273;
    QImage image = blankImage(width, height);
    QPainter painter;
    beginSmooth(painter, image);
    ArtRandom random(290);
    nightSky(painter, image.rect(), random, 120);
    firework(painter, QPointF(330, 50), 40, QColor(0xff, 0xd2, 0x50), random);
    firework(painter, QPointF(420, 92), 30, QColor(0xff, 0x60, 0x9c), random);
    firework(painter, QPointF(268, 112), 24, QColor(0x70, 0xe0, 0xff), random);
    nightHills(painter, image.rect(), 224, 250, random,
               {{12, 40}, {36, 28}, {250, 24}, {282, 34}, {454, 44}});
    clockFace(painter, QPointF(366, 178), 46, 1);
    firTree(painter, QPointF(446, 262), 110, Palette::pine, Palette::pineDark, true);
    for (const auto& [at, color] : std::array<std::pair<QPointF, QColor>, 5>{
             {{{446, 190}, Palette::gold},
              {{436, 214}, Palette::festiveRed.lighter(115)},
              {{456, 226}, QColor(0x4a, 0xa8, 0xff)},
              {{430, 240}, Palette::gold},
              {{458, 246}, Palette::festiveRed.lighter(115)}}})
        bauble(painter, at, 3.6, color, false);
    sparkle(painter, QPointF(446, 156), 8, QColor(255, 236, 150));

    // The heading and the line under it; the button sits at (94, 140, 106 x 40).
    Lettering style;
    style.fillTop = QColor(0xff, 0xea, 0x9c);
    style.fillBottom = QColor(0xe8, 0xa2, 0x28);
    style.outline = QColor(0x0a, 0x12, 0x30);
    style.outlineWidth = 2;
    style.glow = QColor(255, 200, 120, 110);
    style.glowRadius = 6;
    style.snowCaps = true;
    drawLettering(
        painter, image,
        textPath(QStringLiteral("Новогодний сайт"), font(serif, 34, true, true), QPointF(147, 40)),
        style);
    painter.setFont(font(sans, 14, false, true));
    const QRectF lines(14, 66, 268, 60);
    const QString text = QStringLiteral("Поздравления, открытки, рецепты\nи идеи к празднику");
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(lines.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, text);
    painter.setPen(QColor(0xf0, 0xf6, 0xff));
    painter.drawText(lines, Qt::AlignHCenter | Qt::AlignTop, text);
    snowfall(painter, image.rect(), 90, random, 0.7, 1.9, 100, 210);
    painter.end();
    return image;
}

} // namespace PageShowcase
