#include "PageArtKit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace PageArtKit {

namespace {

constexpr qreal pi = 3.14159265358979323846;

// One box pass along rows (horizontal) or columns; the sums run over all four
// premultiplied channels at once so the edges of shapes stay clean.
void boxPass(QImage& image, int radius, bool horizontal)
{
    const int width = image.width(), height = image.height();
    const int lines = horizontal ? height : width;
    const int length = horizontal ? width : height;
    const int window = 2 * radius + 1;
    std::vector<QRgb> line(length);
    for (int l = 0; l < lines; ++l) {
        auto pixelAt = [&](int i) -> QRgb& {
            return horizontal ? reinterpret_cast<QRgb*>(image.scanLine(l))[i]
                              : reinterpret_cast<QRgb*>(image.scanLine(i))[l];
        };
        for (int i = 0; i < length; ++i)
            line[i] = pixelAt(i);
        std::array<int, 4> sum{0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length)
                return;
            const QRgb p = line[i];
            sum[0] += sign * int(qAlpha(p));
            sum[1] += sign * int(qRed(p));
            sum[2] += sign * int(qGreen(p));
            sum[3] += sign * int(qBlue(p));
        };
        for (int i = -radius; i <= radius; ++i)
            add(i, 1);
        for (int i = 0; i < length; ++i) {
            pixelAt(i) = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
            add(i - radius, -1);
            add(i + radius + 1, 1);
        }
    }
}

} // namespace

QImage blankImage(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void beginSmooth(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void blur(QImage& image, int radius)
{
    if (radius <= 0)
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int passRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(image, passRadius, true);
        boxPass(image, passRadius, false);
    }
}

QImage glowOf(const QPainterPath& path, QSize size, const QColor& color, int radius, qreal spread)
{
    QImage glow = blankImage(size.width(), size.height());
    QPainter painter;
    beginSmooth(painter, glow);
    if (spread > 0)
        painter.setPen(QPen(color, spread * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
    painter.end();
    blur(glow, radius);
    return glow;
}

void verticalGradient(QPainter& painter, const QRectF& rect, const QColor& top,
                      const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void radialGlow(QPainter& painter, QPointF centre, qreal radius, const QColor& color)
{
    QRadialGradient gradient(centre, radius);
    QColor mid = color, edge = color;
    mid.setAlphaF(color.alphaF() * 0.35);
    edge.setAlpha(0);
    gradient.setColorAt(0, color);
    gradient.setColorAt(0.4, mid);
    gradient.setColorAt(1, edge);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void snowflake(QPainter& painter, QPointF centre, qreal radius, const QColor& color,
               qreal angleDegrees, qreal penWidth, bool withBranches)
{
    const qreal width = penWidth > 0 ? penWidth : std::max<qreal>(0.8, radius * 0.11);
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const bool branches = withBranches && radius >= 5;
    for (int arm = 0; arm < 6; ++arm) {
        painter.drawLine(QPointF(0, 0), QPointF(0, -radius));
        if (branches) {
            const std::array<std::pair<qreal, qreal>, 2> twigs{{{0.42, 0.34}, {0.7, 0.24}}};
            for (const auto& [at, length] : twigs) {
                const QPointF root(0, -radius * at);
                const QPointF tip(std::sin(pi / 3) * radius * length,
                                  -radius * at - std::cos(pi / 3) * radius * length);
                painter.drawLine(root, tip);
                painter.drawLine(root, QPointF(-tip.x(), tip.y()));
            }
        }
        painter.rotate(60);
    }
    painter.restore();
}

void sparkle(QPainter& painter, QPointF centre, qreal radius, const QColor& color)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QColor soft = color;
    soft.setAlphaF(color.alphaF() * 0.45);
    radialGlow(painter, centre, radius * 0.6, soft);
    QPainterPath star;
    const qreal waist = radius * 0.14;
    star.moveTo(centre + QPointF(0, -radius));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(radius, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, radius));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-radius, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -radius));
    painter.setBrush(color);
    painter.drawPath(star);
    painter.restore();
}

void starField(QPainter& painter, const QRectF& area, int count, ArtRandom& random,
               const QColor& color)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.range(area.left(), area.right()),
                         random.range(area.top(), area.bottom()));
        const qreal size = random.range(0.35, 1.0);
        QColor c = color;
        c.setAlpha(int(90 + 165 * random.unit()));
        if (random.unit() < 0.07) {
            sparkle(painter, at, 3 + 3 * size, c);
        } else {
            painter.setBrush(c);
            painter.drawEllipse(at, 0.4 + 0.8 * size, 0.4 + 0.8 * size);
        }
    }
    painter.restore();
}

void snowfall(QPainter& painter, const QRectF& area, int count, ArtRandom& random, qreal minRadius,
              qreal maxRadius, int minAlpha, int maxAlpha, const QColor& color)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.range(area.left(), area.right()),
                         random.range(area.top(), area.bottom()));
        const qreal r = random.range(minRadius, maxRadius);
        QColor c = color;
        c.setAlpha(random.between(minAlpha, maxAlpha));
        QRadialGradient g(at, r);
        QColor edge = c;
        edge.setAlpha(0);
        g.setColorAt(0, c);
        g.setColorAt(0.55, c);
        g.setColorAt(1, edge);
        painter.setBrush(g);
        painter.drawEllipse(at, r, r);
    }
    painter.restore();
}

QPainterPath snowHills(const QRectF& rect, qreal baseY, qreal amplitude, int waves, qreal phase)
{
    QPainterPath path;
    path.moveTo(rect.left(), rect.bottom());
    const qreal step = 2;
    for (qreal x = rect.left(); x <= rect.right() + step; x += step) {
        const qreal t = (x - rect.left()) / rect.width();
        const qreal y =
            baseY + amplitude * (0.65 * std::sin(2 * pi * (waves * t) + phase) +
                                 0.35 * std::sin(2 * pi * (waves * 2.3 * t) + phase * 1.7));
        path.lineTo(std::min(x, rect.right()), y);
    }
    path.lineTo(rect.right(), rect.bottom());
    path.closeSubpath();
    return path;
}

void firTree(QPainter& painter, QPointF base, qreal height, const QColor& body, const QColor& shade,
             bool snowy)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const qreal trunkHeight = height * 0.1;
    painter.setBrush(QColor(0x5a, 0x3a, 0x22));
    painter.drawRect(QRectF(base.x() - height * 0.04, base.y() - trunkHeight * 1.6, height * 0.08,
                            trunkHeight * 1.6));
    const qreal canopyTop = base.y() - height;
    const qreal canopyHeight = height - trunkHeight;
    const int tiers = height < 30 ? 3 : 4;
    for (int i = tiers - 1; i >= 0; --i) {
        const qreal topFrac = qreal(i) / tiers * 0.78;
        const qreal bottomFrac = std::min<qreal>(1.0, topFrac + 0.42);
        const qreal top = canopyTop + canopyHeight * topFrac;
        const qreal bottom = canopyTop + canopyHeight * bottomFrac;
        const qreal half = height * (0.1 + 0.3 * bottomFrac);
        const qreal cx = base.x();
        QPainterPath tier;
        tier.moveTo(cx, top);
        tier.quadTo(cx + half * 0.35, top + (bottom - top) * 0.55, cx + half, bottom);
        tier.quadTo(cx + half * 0.5, bottom - (bottom - top) * 0.08, cx, bottom + height * 0.015);
        tier.quadTo(cx - half * 0.5, bottom - (bottom - top) * 0.08, cx - half, bottom);
        tier.quadTo(cx - half * 0.35, top + (bottom - top) * 0.55, cx, top);
        QLinearGradient g(QPointF(cx - half, top), QPointF(cx + half, bottom));
        g.setColorAt(0, body.lighter(115));
        g.setColorAt(0.55, body);
        g.setColorAt(1, shade);
        painter.setBrush(g);
        painter.drawPath(tier);
        if (snowy) {
            QPainterPath lower = tier.translated(height * 0.012, height * 0.05);
            const QPainterPath cap = tier.subtracted(lower);
            QLinearGradient s(QPointF(cx - half, top), QPointF(cx + half, bottom));
            s.setColorAt(0, QColor(255, 255, 255));
            s.setColorAt(1, QColor(0xd6, 0xe6, 0xf6));
            painter.setBrush(s);
            painter.drawPath(cap);
        }
    }
    painter.restore();
}

void bauble(QPainter& painter, QPointF centre, qreal radius, const QColor& color, bool withCap)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    if (withCap) {
        const QRectF cap(centre.x() - radius * 0.28, centre.y() - radius * 1.18, radius * 0.56,
                         radius * 0.3);
        QLinearGradient g(cap.topLeft(), cap.topRight());
        g.setColorAt(0, Palette::goldDark);
        g.setColorAt(0.4, Palette::gold.lighter(130));
        g.setColorAt(1, Palette::goldDark);
        painter.setBrush(g);
        painter.drawRoundedRect(cap, radius * 0.06, radius * 0.06);
    }
    QRadialGradient body(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.45);
    body.setColorAt(0, color.lighter(175));
    body.setColorAt(0.35, color);
    body.setColorAt(1, color.darker(260));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    QRadialGradient shine(centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.42);
    shine.setColorAt(0, QColor(255, 255, 255, 210));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.42,
                        radius * 0.42);
    painter.restore();
}

void lightString(QPainter& painter, QPointF a, QPointF b, qreal sag, int bulbs, qreal bulbRadius,
                 int colourOffset)
{
    static const std::array<QColor, 5> colours{QColor(0xff, 0x4a, 0x4a), QColor(0xff, 0xd3, 0x3a),
                                               QColor(0x4c, 0xe0, 0x6a), QColor(0x4a, 0xa8, 0xff),
                                               QColor(0xf2, 0x6b, 0xe6)};
    const QPointF control((a.x() + b.x()) / 2, (a.y() + b.y()) / 2 + 2 * sag);
    auto at = [&](qreal t) {
        return (1 - t) * (1 - t) * a + 2 * (1 - t) * t * control + t * t * b;
    };
    painter.save();
    QPainterPath wire;
    wire.moveTo(a);
    wire.quadTo(control, b);
    painter.setPen(QPen(QColor(0x1c, 0x3a, 0x24), std::max<qreal>(1.0, bulbRadius * 0.28)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wire);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < bulbs; ++i) {
        const qreal t = (i + 0.5) / bulbs;
        const QPointF p = at(t);
        const QColor c = colours[size_t(i + colourOffset) % colours.size()];
        QColor halo = c;
        halo.setAlpha(120);
        radialGlow(painter, p + QPointF(0, bulbRadius * 1.3), bulbRadius * 3.2, halo);
        painter.setBrush(QColor(0x2a, 0x46, 0x30));
        painter.drawRect(
            QRectF(p.x() - bulbRadius * 0.4, p.y(), bulbRadius * 0.8, bulbRadius * 0.7));
        QRadialGradient g(p + QPointF(-bulbRadius * 0.2, bulbRadius * 1.1), bulbRadius * 1.3);
        g.setColorAt(0, c.lighter(170));
        g.setColorAt(0.5, c);
        g.setColorAt(1, c.darker(150));
        painter.setBrush(g);
        painter.drawEllipse(QRectF(p.x() - bulbRadius * 0.62, p.y() + bulbRadius * 0.5,
                                   bulbRadius * 1.24, bulbRadius * 1.7));
    }
    painter.restore();
}

void emblem(QPainter& painter, const QRectF& box, bool withHalo)
{
    const qreal s = std::min(box.width(), box.height());
    const QPointF origin = box.center() - QPointF(s / 2, s / 2);
    const bool small = s < 40;
    const qreal r = withHalo ? s * 0.34 : (small ? s * 0.42 : s * 0.39);
    const QPointF c = origin + QPointF(s / 2, withHalo ? s * 0.56 : s - r - s * 0.035);
    painter.save();
    painter.setPen(Qt::NoPen);
    if (withHalo) {
        radialGlow(painter, c, r * 1.45, QColor(255, 214, 120, 170));
        for (int i = 0; i < 12; ++i) {
            const qreal angle = i * pi / 6 + pi / 12;
            const qreal len = (i % 2 ? 1.28 : 1.42) * r;
            QColor ray(255, 236, 180, 70);
            painter.save();
            painter.translate(c);
            painter.rotate(angle * 180 / pi);
            QLinearGradient g(QPointF(0, -r), QPointF(0, -len));
            g.setColorAt(0, ray);
            g.setColorAt(1, QColor(255, 236, 180, 0));
            painter.setBrush(g);
            QPainterPath beam;
            beam.moveTo(-r * 0.07, -r * 0.9);
            beam.lineTo(0, -len);
            beam.lineTo(r * 0.07, -r * 0.9);
            beam.closeSubpath();
            painter.drawPath(beam);
            painter.restore();
        }
    }
    // The cap and its ring, so the ball reads as a hanging ornament.
    const QRectF cap(c.x() - r * 0.3, c.y() - r * 1.2, r * 0.6, r * 0.34);
    if (!small) {
        painter.setPen(QPen(Palette::goldDark, std::max<qreal>(1.0, r * 0.07)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(c.x(), cap.top() - r * 0.1), r * 0.14, r * 0.14);
        painter.setPen(Qt::NoPen);
    }
    QLinearGradient capFill(cap.topLeft(), cap.topRight());
    capFill.setColorAt(0, Palette::goldDark);
    capFill.setColorAt(0.35, Palette::gold.lighter(135));
    capFill.setColorAt(1, Palette::goldDark.darker(120));
    painter.setBrush(capFill);
    painter.drawRoundedRect(cap, r * 0.08, r * 0.08);
    if (!small) {
        painter.setPen(QPen(Palette::goldDark.darker(130), std::max<qreal>(0.8, r * 0.035)));
        for (int i = 1; i < 4; ++i) {
            const qreal x = cap.left() + cap.width() * i / 4;
            painter.drawLine(QPointF(x, cap.top() + 1), QPointF(x, cap.bottom() - 1));
        }
        painter.setPen(Qt::NoPen);
    }
    // Glossy red ball with a dark rim that keeps its edge crisp on light and dark.
    QRadialGradient body(c + QPointF(-r * 0.32, -r * 0.38), r * 1.5);
    body.setColorAt(0, QColor(0xff, 0x8a, 0x8a));
    body.setColorAt(0.3, QColor(0xe0, 0x2c, 0x3c));
    body.setColorAt(0.75, QColor(0xa0, 0x12, 0x24));
    body.setColorAt(1, QColor(0x52, 0x04, 0x10));
    painter.setBrush(body);
    painter.setPen(QPen(QColor(0x4a, 0x04, 0x0e), std::max<qreal>(0.9, r * 0.035)));
    painter.drawEllipse(c, r, r);
    painter.setPen(Qt::NoPen);
    // A reflection of the light along the lower rim.
    QRadialGradient rim(c + QPointF(r * 0.2, r * 0.75), r * 0.5);
    rim.setColorAt(0, QColor(255, 140, 110, 110));
    rim.setColorAt(1, QColor(255, 140, 110, 0));
    painter.setBrush(rim);
    painter.drawEllipse(c + QPointF(r * 0.2, r * 0.75), r * 0.5, r * 0.3);
    // The snowflake emblem on the glass.
    const qreal flake = r * 0.6;
    const QColor white(255, 255, 255, 240);
    if (small) {
        // Whole-pixel vertical arm and no side branches, so the crystal stays
        // a crisp star instead of a white blot at 16 to 32 pixels.
        const qreal pen = std::max<qreal>(1.0, s / 20);
        QPointF at = c + QPointF(0, r * 0.04);
        if (int(std::lround(pen)) % 2 == 1)
            at.setX(std::floor(at.x()) + 0.5);
        snowflake(painter, at, r * 0.7, white, 0, pen, false);
    } else
        snowflake(painter, c + QPointF(0, r * 0.04), flake, white, 0, r * 0.075);
    if (!small) {
        painter.setBrush(white);
        painter.drawEllipse(c + QPointF(0, r * 0.04), r * 0.08, r * 0.08);
    }
    // Specular highlight, upper left.
    const QPointF hl = c + QPointF(-r * 0.42, -r * 0.45);
    QRadialGradient shine(hl, r * 0.36);
    shine.setColorAt(0, QColor(255, 255, 255, small ? 150 : 235));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(hl, r * 0.36, r * 0.28);
    painter.restore();
}

QPainterPath textPath(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QFontMetricsF metrics(font);
    const QRectF bounds = path.boundingRect();
    const qreal dx = centre.x() - bounds.center().x();
    const qreal dy = centre.y() + metrics.capHeight() / 2;
    return path.translated(dx, dy);
}

void drawLettering(QPainter& painter, QImage& target, const QPainterPath& path,
                   const Lettering& style)
{
    if (style.glow.alpha() > 0 && style.glowRadius > 0)
        painter.drawImage(
            0, 0,
            glowOf(path, target.size(), style.glow, style.glowRadius, style.outlineWidth + 1));
    painter.save();
    if (style.outlineWidth > 0) {
        painter.setPen(QPen(style.outline, style.outlineWidth * 2, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(style.outline);
        painter.drawPath(path);
    }
    const QRectF bounds = path.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, style.fillTop);
    fill.setColorAt(1, style.fillBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    // Glassy light across the upper half of the letters.
    painter.setClipPath(path);
    QLinearGradient light(bounds.topLeft(), QPointF(bounds.left(), bounds.center().y()));
    light.setColorAt(0, QColor(255, 255, 255, 80));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() / 2),
                     light);
    painter.setClipping(false);
    if (style.snowCaps) {
        // Snow lies only where a letter faces up: the part of each glyph that
        // the same glyph, lowered a little, no longer covers.
        const qreal depth = std::max<qreal>(1.6, bounds.height() * 0.08);
        const QPainterPath cap =
            path.translated(0, -depth * 0.35).subtracted(path.translated(0, depth * 0.65));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x40, 0x60, 0x90, 90));
        painter.drawPath(cap.translated(0, depth * 0.35));
        QLinearGradient snow(bounds.topLeft(), bounds.bottomLeft());
        snow.setColorAt(0, QColor(0xff, 0xff, 0xff));
        snow.setColorAt(1, QColor(0xe4, 0xee, 0xfa));
        painter.setBrush(snow);
        painter.drawPath(cap);
    }
    painter.restore();
}

QFont font(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

int fittingPixelSize(const QString& text, QFont f, qreal width, int maxPixelSize)
{
    for (int size = maxPixelSize; size > 6; --size) {
        f.setPixelSize(size);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return size;
    }
    return 6;
}

} // namespace PageArtKit

namespace PageArtKit {

void pineSwag(QPainter& painter, QPointF a, QPointF b, qreal sag, qreal thickness,
              ArtRandom& random)
{
    const QPointF control((a.x() + b.x()) / 2, (a.y() + b.y()) / 2 + 2 * sag);
    auto at = [&](qreal t) {
        return (1 - t) * (1 - t) * a + 2 * (1 - t) * t * control + t * t * b;
    };
    const qreal length = std::hypot(b.x() - a.x(), b.y() - a.y()) + std::abs(sag);
    const int sprigs = int(length / 2.2);
    painter.save();
    // Sprigs of fir: a twig with needles set forward on both sides. Dark ones
    // first, lighter ones over them, so the swag has depth.
    const std::array<QColor, 3> layers{Palette::pineDark, Palette::pine,
                                       Palette::pine.lighter(140)};
    for (size_t layer = 0; layer < layers.size(); ++layer) {
        const qreal reach = thickness * (1.0 - 0.2 * layer);
        for (int i = 0; i <= sprigs; ++i) {
            const QPointF root =
                at(random.unit()) + QPointF(random.range(-1.5, 1.5), random.range(-1.5, 1.5));
            // Mostly sideways and downwards, as branches droop under their weight.
            const qreal angle = random.range(-0.35, pi + 0.35);
            const qreal len = reach * random.range(0.55, 1.0);
            const QPointF dir(std::cos(angle), std::sin(angle));
            QColor c = layers[layer].lighter(int(random.range(90, 115)));
            painter.setPen(QPen(c.darker(130), 0.9, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(root, root + dir * len);
            painter.setPen(QPen(c, 0.9, Qt::SolidLine, Qt::RoundCap));
            const QPointF side(-dir.y(), dir.x());
            const qreal needle = std::max<qreal>(2.0, thickness * 0.32);
            for (qreal d = 1.2; d < len; d += 1.3) {
                const QPointF base = root + dir * d;
                const QPointF forward = dir * (needle * 0.55);
                painter.drawLine(base, base + forward + side * (needle * 0.8));
                painter.drawLine(base, base + forward - side * (needle * 0.8));
            }
        }
    }
    painter.restore();
}

void wreath(QPainter& painter, QPointF centre, qreal radius, ArtRandom& random)
{
    painter.save();
    const std::array<QColor, 3> layers{Palette::pineDark, Palette::pine,
                                       Palette::pine.lighter(140)};
    const int sprigs = int(radius * 5);
    const qreal needle = std::max<qreal>(1.8, radius * 0.16);
    for (size_t layer = 0; layer < layers.size(); ++layer) {
        for (int i = 0; i < sprigs; ++i) {
            const qreal a = random.range(0, 2 * pi);
            const QPointF root =
                centre + QPointF(std::cos(a), std::sin(a)) *
                             (radius + random.range(-radius * 0.18, radius * 0.18));
            // Sprigs lie along the ring, all turned the same way round.
            const qreal angle = a + pi / 2 + random.range(-0.5, 0.5);
            const QPointF dir(std::cos(angle), std::sin(angle));
            const QPointF side(-dir.y(), dir.x());
            const qreal len = radius * random.range(0.35, 0.6) * (1.0 - 0.15 * layer);
            const QColor c = layers[layer].lighter(int(random.range(90, 115)));
            painter.setPen(QPen(c, 0.9, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(root, root + dir * len);
            for (qreal d = 1; d < len; d += 1.3) {
                const QPointF base = root + dir * d;
                painter.drawLine(base, base + dir * needle * 0.5 + side * needle * 0.8);
                painter.drawLine(base, base + dir * needle * 0.5 - side * needle * 0.8);
            }
        }
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const qreal a = i * 2 * pi / 9 + random.range(-0.2, 0.2);
        const QPointF p =
            centre + QPointF(std::cos(a), std::sin(a)) * radius * random.range(0.85, 1.15);
        bauble(painter, p, std::max<qreal>(1.4, radius * 0.1), Palette::festiveRed, false);
    }
    // Bow.
    const QPointF knot = centre + QPointF(0, radius);
    const qreal loop = radius * 0.42;
    painter.setPen(QPen(Palette::redDark, 1));
    painter.setBrush(Palette::festiveRed);
    painter.drawEllipse(QRectF(knot.x() - loop * 1.6, knot.y() - loop * 0.5, loop * 1.6, loop));
    painter.drawEllipse(QRectF(knot.x(), knot.y() - loop * 0.5, loop * 1.6, loop));
    QPainterPath tails;
    tails.moveTo(knot);
    tails.lineTo(knot + QPointF(-loop * 0.9, loop * 1.5));
    tails.lineTo(knot + QPointF(-loop * 0.45, loop * 1.4));
    tails.closeSubpath();
    tails.moveTo(knot);
    tails.lineTo(knot + QPointF(loop * 0.9, loop * 1.5));
    tails.lineTo(knot + QPointF(loop * 0.45, loop * 1.4));
    tails.closeSubpath();
    painter.drawPath(tails);
    painter.setBrush(Palette::redDark);
    painter.drawEllipse(knot, loop * 0.32, loop * 0.32);
    painter.restore();
}

void bells(QPainter& painter, QPointF centre, qreal size)
{
    painter.save();
    for (int side : {-1, 1}) {
        painter.save();
        painter.translate(centre);
        painter.rotate(side * 22);
        const qreal h = size, w = size * 0.9;
        QPainterPath bell;
        bell.moveTo(-w * 0.18, h * 0.12);
        bell.cubicTo(-w * 0.34, h * 0.2, -w * 0.3, h * 0.62, -w * 0.5, h * 0.9);
        bell.quadTo(0, h * 1.02, w * 0.5, h * 0.9);
        bell.cubicTo(w * 0.3, h * 0.62, w * 0.34, h * 0.2, w * 0.18, h * 0.12);
        bell.quadTo(0, h * 0.02, -w * 0.18, h * 0.12);
        QLinearGradient g(QPointF(-w * 0.5, 0), QPointF(w * 0.5, 0));
        g.setColorAt(0, Palette::goldDark);
        g.setColorAt(0.35, Palette::gold.lighter(135));
        g.setColorAt(0.7, Palette::gold);
        g.setColorAt(1, Palette::goldDark.darker(120));
        painter.setPen(QPen(Palette::goldDark.darker(140), 0.8));
        painter.setBrush(g);
        painter.drawPath(bell);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::goldDark.darker(150));
        painter.drawEllipse(QPointF(0, h * 0.95), w * 0.12, w * 0.1);
        painter.restore();
    }
    const qreal loop = size * 0.32;
    painter.setPen(QPen(Palette::redDark, 0.8));
    painter.setBrush(Palette::festiveRed);
    painter.drawEllipse(QRectF(centre.x() - loop * 1.7, centre.y() - loop * 0.9, loop * 1.7, loop));
    painter.drawEllipse(QRectF(centre.x(), centre.y() - loop * 0.9, loop * 1.7, loop));
    painter.setBrush(Palette::redDark);
    painter.drawEllipse(centre + QPointF(0, -loop * 0.4), loop * 0.35, loop * 0.35);
    painter.restore();
}

void present(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& ribbon)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, paper.lighter(125));
    g.setColorAt(1, paper.darker(135));
    painter.setBrush(g);
    painter.drawRoundedRect(box, 1.5, 1.5);
    const qreal band = std::max<qreal>(2.0, box.width() * 0.14);
    painter.setBrush(ribbon);
    painter.drawRect(QRectF(box.center().x() - band / 2, box.top(), band, box.height()));
    painter.drawRect(QRectF(box.left(), box.center().y() - band / 2, box.width(), band));
    // Lid edge.
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRect(QRectF(box.left(), box.top() + box.height() * 0.22, box.width(), 1.2));
    // Bow: two loops and a knot.
    const QPointF knot(box.center().x(), box.top());
    const qreal loop = box.width() * 0.26;
    painter.setBrush(ribbon.lighter(115));
    painter.setPen(QPen(ribbon.darker(150), 1));
    painter.drawEllipse(QRectF(knot.x() - loop * 1.9, knot.y() - loop * 0.9, loop * 1.9, loop));
    painter.drawEllipse(QRectF(knot.x(), knot.y() - loop * 0.9, loop * 1.9, loop));
    painter.setBrush(ribbon.darker(110));
    painter.drawEllipse(knot + QPointF(0, -loop * 0.35), loop * 0.32, loop * 0.32);
    painter.restore();
}

} // namespace PageArtKit
