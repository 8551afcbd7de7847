#include "LogonPainting.h"

#include "ArtRandom.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace logon {

namespace {

constexpr double kPi = std::numbers::pi;

// From this height on a fir is near enough to show its branches.
constexpr double kLadenFirHeight = 400.0;

// One horizontal box pass over premultiplied ARGB rows; `stride` and `step`
// let the same code run down the columns.
void boxPass(std::uint32_t* data, int length, int lines, int step, int stride, int radius,
             std::vector<std::uint32_t>& scratch)
{
    scratch.resize(size_t(length));
    const int window = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        std::uint32_t* row = data + size_t(line) * size_t(stride);
        for (int i = 0; i < length; ++i)
            scratch[size_t(i)] = row[size_t(i) * size_t(step)];
        std::uint32_t sum[4] = {0, 0, 0, 0};
        auto add = [&](std::uint32_t px, int sign) {
            for (int c = 0; c < 4; ++c)
                sum[c] += std::uint32_t(sign) * ((px >> (8 * c)) & 0xFF);
        };
        for (int i = -radius; i <= radius; ++i)
            add(scratch[size_t(std::clamp(i, 0, length - 1))], 1);
        for (int i = 0; i < length; ++i) {
            std::uint32_t out = 0;
            for (int c = 0; c < 4; ++c)
                out |= ((sum[c] + std::uint32_t(window / 2)) / std::uint32_t(window)) << (8 * c);
            row[size_t(i) * size_t(step)] = out;
            add(scratch[size_t(std::clamp(i + radius + 1, 0, length - 1))], 1);
            add(scratch[size_t(std::clamp(i - radius, 0, length - 1))], -1);
        }
    }
}

QImage softDotSprite(const QColor& tint)
{
    const int size = 64;
    QImage sprite = newCanvas(QSize(size, size));
    QPainter p(&sprite);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(size / 2.0, size / 2.0, size / 2.0);
    g.setColorAt(0.0, tint);
    g.setColorAt(0.35, withAlpha(tint, 0.85));
    g.setColorAt(0.7, withAlpha(tint, 0.25));
    g.setColorAt(1.0, withAlpha(tint, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0, 0, size, size));
    return sprite;
}

} // namespace

QImage newCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(std::clamp(alpha, 0.0, 1.0) * color.alphaF()));
    return color;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    const auto f = float(std::clamp(t, 0.0, 1.0));
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * f, a.greenF() + (b.greenF() - a.greenF()) * f,
        a.blueF() + (b.blueF() - a.blueF()) * f, a.alphaF() + (b.alphaF() - a.alphaF()) * f);
}

void fillVertical(QPainter& p, const QRectF& rect, GradientStops stops)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(rect, g);
}

void fillPathVertical(QPainter& p, const QPainterPath& path, double top, double bottom,
                      GradientStops stops)
{
    QLinearGradient g(0, top, 0, bottom);
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillPath(path, g);
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& colour, double core)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, colour);
    if (core > 0.0)
        g.setColorAt(core, colour);
    g.setColorAt(core + (1.0 - core) * 0.35, withAlpha(colour, 0.45));
    g.setColorAt(core + (1.0 - core) * 0.7, withAlpha(colour, 0.12));
    g.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void bokehDisc(QPainter& p, QPointF centre, double radius, const QColor& colour, double alpha)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, withAlpha(colour, alpha * 0.75));
    g.setColorAt(0.8, withAlpha(colour, alpha * 0.85));
    g.setColorAt(0.93, withAlpha(colour.lighter(125), alpha));
    g.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void blur(QImage& image, int radius)
{
    if (radius < 1)
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto* data = reinterpret_cast<std::uint32_t*>(image.bits());
    const int w = image.width(), h = image.height();
    const int stride = int(image.bytesPerLine() / 4);
    std::vector<std::uint32_t> scratch;
    const int passRadius = std::max(1, int(std::lround(radius / 1.7)));
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(data, w, h, 1, stride, passRadius, scratch);
        // Columns: one "line" per x, walking down rows.
        for (int x = 0; x < w; ++x)
            boxPass(data + x, h, 1, stride, 0, passRadius, scratch);
    }
}

void drawLayer(QPainter& p, const QImage& layer, QPainter::CompositionMode mode)
{
    p.save();
    p.setCompositionMode(mode);
    p.drawImage(0, 0,
                layer.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.restore();
}

void snowDots(QPainter& p, ArtRandom& rng, const QRectF& area, int count, double minRadius,
              double maxRadius, double minAlpha, double maxAlpha, const QColor& tint)
{
    const QImage sprite = softDotSprite(tint);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        // Small flakes are far more common than big ones.
        const double t = std::pow(rng.unit(), 2.2);
        const double r = minRadius + (maxRadius - minRadius) * t;
        p.setOpacity(rng.range(minAlpha, maxAlpha));
        p.drawImage(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), sprite);
    }
    p.restore();
}

void snowCrystal(QPainter& p, QPointF centre, double radius, double angle, const QColor& colour,
                 double lineWidth)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPen pen(colour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int arm = 0; arm < 6; ++arm) {
        p.drawLine(QPointF(0, 0), QPointF(0, -radius));
        for (double at : {0.38, 0.62, 0.82}) {
            const double branch = radius * (at < 0.5 ? 0.3 : at < 0.7 ? 0.24 : 0.14);
            const QPointF root(0, -radius * at);
            p.drawLine(root, root + QPointF(-branch * 0.8, -branch * 0.75));
            p.drawLine(root, root + QPointF(branch * 0.8, -branch * 0.75));
        }
        p.rotate(60);
    }
    pen.setWidthF(lineWidth * 0.8);
    p.setPen(pen);
    QPolygonF hexagon;
    for (int k = 0; k < 6; ++k)
        hexagon << QPointF(std::sin(k * kPi / 3) * radius * 0.18,
                           -std::cos(k * kPi / 3) * radius * 0.18);
    p.drawPolygon(hexagon);
    p.restore();
}

void stars(QPainter& p, ArtRandom& rng, const QRectF& area, int count, double maxAlpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double r = 0.5 + std::pow(rng.unit(), 3.0) * 1.6;
        const double alpha = maxAlpha * rng.range(0.25, 1.0);
        const QColor tint = mix(QColor(200, 215, 255), QColor(255, 240, 215), rng.unit());
        if (r > 1.5) {
            glow(p, c, r * 5, withAlpha(tint, alpha * 0.35));
        }
        p.setBrush(withAlpha(tint, alpha));
        p.drawEllipse(c, r, r);
    }
    p.restore();
}

void sparkle(QPainter& p, QPointF centre, double size, const QColor& colour)
{
    p.save();
    glow(p, centre, size * 0.6, withAlpha(colour, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int k = 0; k < 2; ++k) {
        const double a = size, b = size * 0.07;
        QPolygonF ray;
        if (k == 0)
            ray << centre + QPointF(-a, 0) << centre + QPointF(0, -b) << centre + QPointF(a, 0)
                << centre + QPointF(0, b);
        else
            ray << centre + QPointF(0, -a) << centre + QPointF(b, 0) << centre + QPointF(0, a)
                << centre + QPointF(-b, 0);
        p.drawPolygon(ray);
    }
    p.restore();
}

QPainterPath hills(ArtRandom& rng, double left, double right, double baseY, double amplitude,
                   int bumps, double bottom)
{
    double phase[3], freq[3], weight[3];
    for (int k = 0; k < 3; ++k) {
        phase[k] = rng.range(0, 2 * kPi);
        freq[k] = bumps * (k == 0 ? 1.0 : k == 1 ? rng.range(1.7, 2.4) : rng.range(3.5, 5.0));
        weight[k] = k == 0 ? 1.0 : k == 1 ? 0.35 : 0.12;
    }
    QPainterPath path(QPointF(left, bottom));
    const int samples = 200;
    for (int i = 0; i <= samples; ++i) {
        const double u = double(i) / samples;
        double y = 0;
        for (int k = 0; k < 3; ++k)
            y += weight[k] * std::sin(u * freq[k] * kPi + phase[k]);
        path.lineTo(left + (right - left) * u, baseY - amplitude * y / 1.47);
    }
    path.lineTo(right, bottom);
    path.closeSubpath();
    return path;
}

// Near firs carry their snow on each branch: needles, then soft lumps of
// snow along the branch's upper side with a blue shadow beneath.
void snowLadenFir(QPainter& p, ArtRandom& rng, QPointF base, double height, const QColor& body,
                  const QColor& snow, double snowAmount)
{
    const double cx = base.x();
    const double apex = base.y() - height;
    const double crown = height * 0.93;
    const int tiers = 8 + int(height / 250);
    const double needle = height * 0.026;
    const QColor shadow = mix(snow, QColor(90, 110, 170), 0.3);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(body.darker(150));
    p.drawRect(QRectF(cx - height * 0.02, base.y() - height * 0.12, height * 0.04, height * 0.12));

    // Snow lies in lumps along the upper side of a branch, thinning out
    // toward the tip, with bare needles showing between and below.
    auto lumps = [&](const QPainterPath& spine) {
        for (double t = 0.05; t <= 0.92; t += rng.range(0.05, 0.1)) {
            if (rng.chance(0.2))
                continue;
            const QPointF at = spine.pointAtPercent(t);
            const double angle = -spine.angleAtPercent(t);
            const double across = needle * 0.5 * snowAmount * (1.0 - 0.5 * t) * rng.range(0.8, 1.2);
            const double along = needle * rng.range(0.9, 1.5);
            p.save();
            p.translate(at);
            p.rotate(angle);
            p.setBrush(shadow);
            p.drawEllipse(QPointF(0, -needle * 0.1), along, across);
            p.setBrush(snow);
            p.drawEllipse(QPointF(0, -needle * 0.1 - across * 0.35), along * 0.95, across * 0.8);
            p.restore();
        }
    };
    for (int i = tiers - 1; i >= 0; --i) {
        const double bottom = apex + crown * std::pow((i + 1.0) / tiers, 0.9);
        const double top =
            i == 0 ? apex : apex + crown * std::pow(double(i) / tiers, 0.9) - height * 0.05;
        const double hw =
            height * 0.3 * (bottom - apex) / crown * rng.range(0.92, 1.08) + height * 0.02;
        QPainterPath mass(QPointF(cx, top));
        mass.lineTo(cx + hw * 0.95, bottom - hw * 0.02);
        mass.quadTo(QPointF(cx, bottom + hw * 0.28), QPointF(cx - hw * 0.95, bottom - hw * 0.02));
        mass.closeSubpath();
        p.fillPath(mass, body.darker(115));
        const int perSide = 4 + i * 2 / 3;
        // Outer branches first so those pointing at the viewer stay in front.
        for (int b = perSide - 1; b >= 0; --b) {
            for (int side = -1; side <= 1; side += 2) {
                const double f = (b + 0.6) / perSide * rng.range(0.92, 1.05);
                const QPointF root(cx + side * hw * 0.04,
                                   top + (bottom - top) * rng.range(0.15, 0.35));
                const double dx = side * hw * f;
                const QPointF tip(cx + dx, bottom + hw * 0.14 * (1.0 - f * f) +
                                               rng.range(-needle, needle) * 0.5);
                QPainterPath spine(root);
                spine.cubicTo(QPointF(cx + dx * 0.4, root.y() + (tip.y() - root.y()) * 0.15),
                              QPointF(cx + dx * 0.8, tip.y() - needle * 0.8), tip);
                firBranch(p, rng, spine, needle, body.darker(120), body.lighter(160),
                          int(spine.length() / needle * 9));
                if (snowAmount > 0.0)
                    lumps(spine);
            }
        }
    }
    if (snowAmount > 0.0) {
        const double s2 = needle * 0.6;
        QPainterPath cap(QPointF(cx, apex - s2));
        cap.quadTo(QPointF(cx + s2 * 2.2, apex + s2 * 3), QPointF(cx + s2 * 1.4, apex + s2 * 4.5));
        cap.quadTo(QPointF(cx, apex + s2 * 5.5), QPointF(cx - s2 * 1.4, apex + s2 * 4.5));
        cap.quadTo(QPointF(cx - s2 * 2.2, apex + s2 * 3), QPointF(cx, apex - s2));
        p.fillPath(cap, snow);
    }
    p.restore();
}

void snowyFir(QPainter& p, ArtRandom& rng, QPointF base, double height, const QColor& body,
              const QColor& snow, double snowAmount)
{
    if (height >= kLadenFirHeight) {
        snowLadenFir(p, rng, base, height, body, snow, snowAmount);
        return;
    }
    const double cx = base.x();
    const double apex = base.y() - height;
    const double crown = height * 0.93;
    const int tiers = 5 + rng.below(3);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(body.darker(140));
    p.drawRect(QRectF(cx - height * 0.025, base.y() - height * 0.1, height * 0.05, height * 0.1));

    struct Tier {
        double top, bottom, topHalf, halfWidth;
    };
    std::vector<Tier> list;
    for (int i = 0; i < tiers; ++i) {
        const double bottom = apex + crown * std::pow(double(i + 1) / tiers, 0.92);
        const double top =
            i == 0 ? apex : apex + crown * std::pow(double(i) / tiers, 0.92) - height * 0.1;
        const double halfWidth =
            height * 0.29 * (bottom - apex) / crown * rng.range(0.9, 1.1) + height * 0.03;
        list.push_back({top, bottom, i == 0 ? 0.0 : halfWidth * 0.22, halfWidth});
    }
    for (int i = tiers - 1; i >= 0; --i) {
        const Tier& t = list[size_t(i)];
        QPainterPath tier(QPointF(cx - t.topHalf, t.top));
        tier.lineTo(cx + t.topHalf, t.top);
        const int jags = 5 + rng.below(4);
        QPolygonF edge;
        for (int k = 0; k <= 2 * jags; ++k) {
            const double u = double(k) / (2 * jags);
            const double x = cx + t.halfWidth - 2 * t.halfWidth * u;
            double y = t.bottom + t.halfWidth * 0.1 * std::sin(kPi * u);
            y += (k % 2 == 0) ? rng.range(0, height * 0.02)
                              : -rng.range(height * 0.025, height * 0.05);
            edge << QPointF(x, y);
        }
        tier.quadTo(QPointF(cx + t.halfWidth * 0.55, (t.top + t.bottom) * 0.5), edge.first());
        for (const QPointF& pt : edge)
            tier.lineTo(pt);
        tier.quadTo(QPointF(cx - t.halfWidth * 0.55, (t.top + t.bottom) * 0.5),
                    QPointF(cx - t.topHalf, t.top));
        QLinearGradient shade(cx - t.halfWidth, 0, cx + t.halfWidth, 0);
        shade.setColorAt(0.0, body.lighter(118));
        shade.setColorAt(0.6, body);
        shade.setColorAt(1.0, body.darker(135));
        p.fillPath(tier, shade);

        if (snowAmount > 0.0) {
            // Snow settles on the upper face of each tier and hangs down in lobes.
            const double reach = t.top + (t.bottom - t.top) * (0.35 + 0.45 * snowAmount);
            const double halfAtReach =
                t.topHalf + (t.halfWidth - t.topHalf) * ((reach - t.top) / (t.bottom - t.top));
            QPainterPath cap(QPointF(cx - t.topHalf * 0.9, t.top));
            cap.lineTo(cx + t.topHalf * 0.9, t.top);
            cap.quadTo(QPointF(cx + halfAtReach * 0.5, (t.top + reach) * 0.5),
                       QPointF(cx + halfAtReach * 0.95, reach));
            const int lobes = 3 + rng.below(3);
            for (int k = 0; k < lobes; ++k) {
                const double x0 = cx + halfAtReach * 0.95 - 1.9 * halfAtReach * (k + 1.0) / lobes;
                const double sag = rng.range(0.02, 0.05) * height;
                cap.quadTo(
                    QPointF((x0 + cx + halfAtReach * 0.95 - 1.9 * halfAtReach * double(k) / lobes) *
                                0.5,
                            reach + sag),
                    QPointF(x0, reach - rng.range(0, 0.02) * height));
            }
            cap.quadTo(QPointF(cx - halfAtReach * 0.5, (t.top + reach) * 0.5),
                       QPointF(cx - t.topHalf * 0.9, t.top));
            QLinearGradient snowShade(cx - t.halfWidth, 0, cx + t.halfWidth, 0);
            snowShade.setColorAt(0.0, snow);
            snowShade.setColorAt(0.55, snow);
            snowShade.setColorAt(1.0, mix(snow, body, 0.3));
            p.fillPath(cap, snowShade);
        }
    }
    p.restore();
}

void bauble(QPainter& p, QPointF centre, double radius, const QColor& colour, bool cap)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (cap) {
        const QRectF capRect(centre.x() - radius * 0.22, centre.y() - radius * 1.12, radius * 0.44,
                             radius * 0.24);
        p.setPen(QPen(QColor(200, 170, 90), std::max(1.0, radius * 0.06)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(centre.x(), capRect.top() - radius * 0.06), radius * 0.1,
                      radius * 0.09);
        p.setPen(Qt::NoPen);
        QLinearGradient metal(capRect.topLeft(), capRect.topRight());
        metal.setColorAt(0.0, QColor(140, 110, 40));
        metal.setColorAt(0.35, QColor(255, 235, 160));
        metal.setColorAt(1.0, QColor(110, 80, 30));
        p.setBrush(metal);
        p.drawRoundedRect(capRect, radius * 0.05, radius * 0.05);
    }
    QRadialGradient body(centre, radius, centre + QPointF(-radius * 0.4, -radius * 0.45));
    body.setColorAt(0.0, colour.lighter(190));
    body.setColorAt(0.18, colour.lighter(130));
    body.setColorAt(0.6, colour);
    body.setColorAt(0.9, colour.darker(220));
    body.setColorAt(1.0, colour.darker(300));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);
    // Light from the room bouncing back along the lower right edge.
    QRadialGradient rim(centre + QPointF(-radius * 0.12, -radius * 0.14), radius * 1.05);
    rim.setColorAt(0.0, withAlpha(colour, 0.0));
    rim.setColorAt(0.82, withAlpha(colour.lighter(150), 0.0));
    rim.setColorAt(0.96, withAlpha(colour.lighter(170), 0.4));
    rim.setColorAt(1.0, withAlpha(colour.lighter(150), 0.0));
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);
    glow(p, centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.42,
         QColor(255, 255, 255, 210), 0.12);
    p.restore();
}

QPainterPath starPath(QPointF centre, double outer, double inner, double rotation)
{
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double a = rotation + k * kPi / 5.0;
        const double r = (k % 2 == 0) ? outer : inner;
        const QPointF pt(centre.x() + r * std::sin(a), centre.y() - r * std::cos(a));
        if (k == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void firBranch(QPainter& p, ArtRandom& rng, const QPainterPath& spine, double needleLength,
               const QColor& dark, const QColor& light, int density)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark.darker(130), needleLength * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spine);
    for (int i = 0; i < density; ++i) {
        const double t = rng.unit();
        const QPointF root = spine.pointAtPercent(t);
        const double heading = -spine.angleAtPercent(t) * kPi / 180.0;
        const double side = rng.chance(0.5) ? 1.0 : -1.0;
        const double spread = rng.range(0.45, 1.15);
        const double a = heading + side * spread;
        const double len = needleLength * rng.range(0.65, 1.1) * (1.0 - 0.45 * t * t);
        const QPointF tip = root + QPointF(std::cos(a) * len, std::sin(a) * len);
        const double shade = rng.unit();
        p.setPen(QPen(mix(dark, light, shade), needleLength * rng.range(0.05, 0.08) + 0.6,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(root, tip);
    }
    p.restore();
}

void grain(QImage& image, unsigned seed, int amplitude)
{
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            std::uint32_t hsh =
                std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
            hsh = (hsh ^ (hsh >> 13)) * 1274126177u;
            hsh ^= hsh >> 16;
            const int n = int(hsh % std::uint32_t(2 * amplitude + 1)) - amplitude;
            const QRgb px = row[x];
            row[x] = qRgba(std::clamp(qRed(px) + n, 0, 255), std::clamp(qGreen(px) + n, 0, 255),
                           std::clamp(qBlue(px) + n, 0, 255), qAlpha(px));
        }
    }
}

} // namespace logon
