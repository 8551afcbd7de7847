// The "buttons" group: the skinned buttons' pictures and masks.
#include "ButtonBitmaps.h"

#include "ArtRegistry.h"
#include "PageArtKit.h"
#include "PageShowcase.h"

#include "vocabulary/PictureIds.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

using namespace PageArtKit;

namespace ButtonBitmaps {

namespace {

const QSize pillSize(106, 40);
const QSize wallpapersSize(220, 220);

QPainterPath pillShape()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, pillSize.width(), pillSize.height()), 14, 14);
    return path;
}

QPainterPath wallpapersShape()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, wallpapersSize.width(), wallpapersSize.height()), 16, 16);
    return path;
}

// Button pictures carry no alpha: they are copied onto the page through the
// mask, so the pixels outside it only need the rim's colour.
QImage opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

struct PillLook {
    QColor rim, top, middle, bottom, text, textShadow;
};

// A glossy pill with its label; pressed pictures sink the label by a pixel
// and darken, hover pictures brighten and glow from inside.
QImage pill(const QString& label, State state, const PillLook& look)
{
    QImage image = blankImage(pillSize.width(), pillSize.height(), look.rim);
    QPainter painter;
    beginSmooth(painter, image);
    const QRectF outer(0.5, 0.5, pillSize.width() - 1, pillSize.height() - 1);
    const int light = state == State::Over ? 118 : 100;
    const int dark = state == State::Down ? 110 : 100;
    auto tone = [&](const QColor& c) { return c.lighter(light).darker(dark); };
    QLinearGradient body(outer.topLeft(), outer.bottomLeft());
    if (state == State::Down) {
        body.setColorAt(0, tone(look.bottom));
        body.setColorAt(0.5, tone(look.middle));
        body.setColorAt(1, tone(look.top));
    } else {
        body.setColorAt(0, tone(look.top));
        body.setColorAt(0.5, tone(look.middle));
        body.setColorAt(1, tone(look.bottom));
    }
    painter.setPen(QPen(look.rim, 1.6));
    painter.setBrush(body);
    painter.drawRoundedRect(outer.adjusted(0.6, 0.6, -0.6, -0.6), 13.5, 13.5);
    if (state == State::Over) {
        radialGlow(painter, QPointF(53, 24), 46, QColor(255, 255, 230, 90));
    }
    // Gloss across the upper half.
    if (state != State::Down) {
        QLinearGradient gloss(QPointF(0, 3), QPointF(0, 19));
        gloss.setColorAt(0, QColor(255, 255, 255, 150));
        gloss.setColorAt(1, QColor(255, 255, 255, 20));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.drawRoundedRect(QRectF(5, 3, pillSize.width() - 10, 16), 8, 8);
    } else {
        QLinearGradient shade(QPointF(0, 2), QPointF(0, 12));
        shade.setColorAt(0, QColor(0, 0, 0, 70));
        shade.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawRoundedRect(QRectF(3, 2, pillSize.width() - 6, 14), 8, 8);
    }
    const QFont base = font(QStringLiteral("Liberation Sans"), 18, true);
    const int size = fittingPixelSize(label, base, pillSize.width() - 22, 18);
    const QPointF centre = QPointF(53, 20.5) + (state == State::Down ? QPointF(1, 1) : QPointF());
    const QPainterPath text =
        textPath(label, font(QStringLiteral("Liberation Sans"), size, true), centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.textShadow);
    painter.drawPath(text.translated(0, 1));
    painter.setBrush(look.text);
    painter.drawPath(text);
    painter.end();
    return opaque(image);
}

const PillLook countdownLook{QColor(0x5e, 0x34, 0x06), QColor(0xff, 0xea, 0x9a),
                             QColor(0xf2, 0xbb, 0x3c), QColor(0xc4, 0x7c, 0x14),
                             QColor(0x66, 0x08, 0x16), QColor(255, 246, 210, 170)};
const PillLook siteLook{QColor(0x4a, 0x04, 0x10), QColor(0xf4, 0x6a, 0x74),
                        QColor(0xd0, 0x22, 0x36), QColor(0x8c, 0x0c, 0x1e),
                        QColor(0xff, 0xff, 0xff), QColor(0x40, 0x00, 0x08, 190)};

// A moonlit village in the snow: the big Wallpapers button's picture.
void winterScene(QPainter& painter, const QRectF& area, ArtRandom& random)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x0a, 0x1a, 0x44));
    sky.setColorAt(0.6, QColor(0x2c, 0x5a, 0xa6));
    sky.setColorAt(1, QColor(0x7e, 0xa6, 0xdc));
    painter.fillRect(area, sky);
    starField(painter, area.adjusted(0, 0, 0, -area.height() * 0.45), 60, random);
    const QPointF moon = area.topLeft() + QPointF(area.width() * 0.74, area.height() * 0.2);
    radialGlow(painter, moon, 40, QColor(255, 246, 214, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf8, 0xe2));
    painter.drawEllipse(moon, 13, 13);
    painter.setBrush(QColor(0xd6, 0xe4, 0xf6));
    painter.drawPath(snowHills(area, area.top() + area.height() * 0.62, 10, 1, 2.2));
    for (int i = 0; i < 9; ++i) {
        const qreal x = area.left() + random.range(0, area.width());
        firTree(painter, QPointF(x, area.top() + area.height() * 0.66 + random.range(-3, 5)),
                random.range(20, 34), QColor(0x2a, 0x5a, 0x5a), QColor(0x12, 0x30, 0x3a), true);
    }
    // A cabin with lit windows.
    const QRectF house(area.left() + area.width() * 0.2, area.top() + area.height() * 0.64, 52, 34);
    painter.setBrush(QColor(0x6a, 0x3c, 0x24));
    painter.drawRect(house);
    QPainterPath roof;
    roof.moveTo(house.left() - 8, house.top() + 2);
    roof.lineTo(house.center().x(), house.top() - 24);
    roof.lineTo(house.right() + 8, house.top() + 2);
    roof.closeSubpath();
    painter.setBrush(QColor(0xf4, 0xf8, 0xff));
    painter.drawPath(roof);
    painter.setBrush(QColor(0x4a, 0x28, 0x18));
    painter.drawRect(QRectF(house.right() - 14, house.top() - 20, 7, 14));
    for (const qreal x : {house.left() + 8, house.left() + 30}) {
        const QRectF window(x, house.top() + 10, 13, 12);
        radialGlow(painter, window.center(), 18, QColor(255, 200, 90, 130));
        painter.setBrush(QColor(0xff, 0xd6, 0x7a));
        painter.drawRect(window);
        painter.setPen(QPen(QColor(0x4a, 0x28, 0x18), 1.2));
        painter.drawLine(QPointF(window.center().x(), window.top()),
                         QPointF(window.center().x(), window.bottom()));
        painter.drawLine(QPointF(window.left(), window.center().y()),
                         QPointF(window.right(), window.center().y()));
        painter.setPen(Qt::NoPen);
    }
    QLinearGradient near(QPointF(0, area.bottom() - 50), area.bottomLeft());
    near.setColorAt(0, QColor(255, 255, 255));
    near.setColorAt(1, QColor(0xc4, 0xd6, 0xee));
    painter.setBrush(near);
    painter.drawPath(snowHills(area, area.bottom() - 38, 6, 1, 0.4));
    firTree(painter, QPointF(area.right() - 34, area.bottom() - 22), 92, Palette::pine,
            Palette::pineDark, true);
    for (const auto& [dx, dy, c] :
         {std::tuple{-4.0, -56.0, Palette::gold}, std::tuple{8.0, -40.0, Palette::festiveRed},
          std::tuple{-12.0, -30.0, QColor(0x4a, 0xa8, 0xff)},
          std::tuple{14.0, -22.0, Palette::gold}, std::tuple{-2.0, -18.0, Palette::festiveRed}}) {
        bauble(painter, QPointF(area.right() - 34 + dx, area.bottom() - 22 + dy), 3.2, c, false);
    }
    sparkle(painter, QPointF(area.right() - 34, area.bottom() - 112), 8, QColor(255, 236, 150));
    snowfall(painter, area, 90, random, 0.8, 2.2, 140, 240);
}

} // namespace

QImage maskFrom(const QPainterPath& shape, QSize size)
{
    QImage mask(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] =
                shape.contains(QPointF(x + 0.5, y + 0.5)) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

QImage helpButton()
{
    const QColor rim(0x10, 0x2c, 0x5c);
    QImage image = blankImage(16, 16, rim);
    QPainter painter;
    beginSmooth(painter, image);
    QRadialGradient body(QPointF(6, 5), 11);
    body.setColorAt(0, QColor(0x9c, 0xd2, 0xff));
    body.setColorAt(0.45, QColor(0x2f, 0x7c, 0xd8));
    body.setColorAt(1, QColor(0x12, 0x3e, 0x8a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(8, 8), 7.4, 7.4);
    QRadialGradient shine(QPointF(6, 4.5), 4);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(QPointF(6, 4.5), 4, 3);
    // The question mark, drawn as strokes so it sits on whole pixels.
    painter.setPen(QPen(Qt::white, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath mark;
    mark.moveTo(5.6, 6.2);
    mark.cubicTo(5.6, 3.4, 10.6, 3.4, 10.4, 6.1);
    mark.cubicTo(10.3, 7.6, 8.1, 7.9, 8.1, 9.6);
    painter.drawPath(mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8.1, 12.1), 1.15, 1.15);
    painter.end();
    return opaque(image);
}

QImage helpMask()
{
    QPainterPath circle;
    circle.addEllipse(QPointF(8, 8), 7.7, 7.7);
    return maskFrom(circle, QSize(16, 16));
}

QImage wallpapersButton(State state)
{
    const QColor rim(0x1a, 0x22, 0x36);
    QImage image = blankImage(wallpapersSize.width(), wallpapersSize.height(), rim);
    QPainter painter;
    beginSmooth(painter, image);
    const QRectF outer(0.5, 0.5, 219, 219);
    // The mount: ivory normally, warm gold under the pointer.
    QLinearGradient mount(outer.topLeft(), outer.bottomRight());
    if (state == State::Over) {
        mount.setColorAt(0, QColor(0xff, 0xf0, 0xb8));
        mount.setColorAt(1, QColor(0xf0, 0xc0, 0x50));
    } else {
        mount.setColorAt(0, QColor(0xfb, 0xf7, 0xee));
        mount.setColorAt(1, QColor(0xdc, 0xd2, 0xbe));
    }
    painter.setPen(QPen(rim, 1.5));
    painter.setBrush(mount);
    painter.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 15.5, 15.5);
    const QRectF picture(14, 14, 192, 192);
    painter.setPen(
        QPen(state == State::Over ? QColor(0xa8, 0x70, 0x10) : QColor(0xb8, 0x98, 0x5a), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(picture.adjusted(-4, -4, 4, 4), 6, 6);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(picture, 4, 4);
    painter.setClipPath(clip);
    // The same scene in every state, so hovering and pressing never reshuffle it.
    ArtRandom random(246);
    const QPointF shift = state == State::Down ? QPointF(2, 2) : QPointF();
    painter.translate(shift);
    winterScene(painter, picture.adjusted(-2, -2, 2, 2), random);
    painter.translate(-shift);
    if (state == State::Over)
        painter.fillRect(picture, QColor(255, 250, 220, 34));
    if (state == State::Down) {
        painter.fillRect(picture, QColor(0, 10, 30, 60));
        QLinearGradient inset(picture.topLeft(), picture.topLeft() + QPointF(0, 10));
        inset.setColorAt(0, QColor(0, 0, 0, 110));
        inset.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(picture, inset);
    }
    painter.restore();
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.drawRoundedRect(picture, 4, 4);
    painter.end();
    return opaque(image);
}

QImage wallpapersMask()
{
    return maskFrom(wallpapersShape(), wallpapersSize);
}

QImage siteButton(State state)
{
    return pill(PageShowcase::siteButtonLabel(), state, siteLook);
}

QImage siteMask()
{
    return maskFrom(pillShape(), pillSize);
}

QImage countdownButton(const QString& label, State state)
{
    return pill(label, state, countdownLook);
}

QImage countdownMask()
{
    return maskFrom(pillShape(), pillSize);
}

namespace {

void paintButtons(ArtSink& sink)
{
    auto add = [&](unsigned id, const QImage& image) {
        sink.add(QStringLiteral("bmp/%1.png").arg(id), image);
    };
    add(kHelpButtonBitmap, helpButton());
    add(kHelpButtonMask, helpMask());
    add(kWallpapersButtonBitmap, wallpapersButton(State::Normal));
    add(kWallpapersButtonDownBitmap, wallpapersButton(State::Down));
    add(kWallpapersButtonOverBitmap, wallpapersButton(State::Over));
    add(kWallpapersButtonMask, wallpapersMask());
    add(kSiteButtonBitmap, siteButton(State::Normal));
    add(kSiteButtonOverBitmap, siteButton(State::Over));
    add(kSiteButtonMask, siteMask());
    add(kCountdownButtonMask, countdownMask());
    for (const auto& edition : PageShowcase::countdownEditions()) {
        add(edition.ids.normal, countdownButton(edition.buttonLabel, State::Normal));
        add(edition.ids.down, countdownButton(edition.buttonLabel, State::Down));
        add(edition.ids.over, countdownButton(edition.buttonLabel, State::Over));
    }
}

const ArtGroupRegistration registration("buttons", &paintButtons);

} // namespace

} // namespace ButtonBitmaps
