#include "LogonChristmasTree.h"

#include "ArtRandom.h"
#include "LogonPainting.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace logon;

namespace {

constexpr double kPi = std::numbers::pi;

struct Cone {
    double cx, apex, foot, halfBase;
    double halfWidthAt(double y) const
    {
        return std::max(0.0, (y - apex) / (foot - apex)) * halfBase;
    }
};

} // namespace

void paintChristmasTree(QPainter& p, ArtRandom& rng, QPointF base, double height,
                        const ChristmasTreeStyle& style)
{
    const Cone cone{base.x(), base.y() - height, base.y() - height * 0.08, height * 0.36};
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient bark(cone.cx - height * 0.03, 0, cone.cx + height * 0.03, 0);
    bark.setColorAt(0.0, QColor(90, 58, 36));
    bark.setColorAt(1.0, QColor(40, 24, 14));
    p.setBrush(bark);
    p.drawRect(QRectF(cone.cx - height * 0.03, cone.foot - height * 0.04, height * 0.06,
                      base.y() - cone.foot + height * 0.04));

    // Tiers from the bottom up, so each upper tier overlaps the one below.
    const int tiers = 7;
    struct Tier {
        double top, bottom;
    };
    std::vector<Tier> list;
    for (int i = 0; i < tiers; ++i) {
        const double bottom =
            cone.apex + (cone.foot - cone.apex) * std::pow((i + 1.0) / tiers, 0.95);
        const double top =
            i == 0 ? cone.apex
                   : cone.apex + (cone.foot - cone.apex) * std::pow(double(i) / tiers, 0.95) -
                         height * 0.06;
        list.push_back({top, bottom});
    }
    const double needle = height * 0.03;
    for (int i = tiers - 1; i >= 0; --i) {
        const Tier& t = list[size_t(i)];
        const double hw = cone.halfWidthAt(t.bottom) * rng.range(0.95, 1.05);
        const double topHw = i == 0 ? 0.0 : cone.halfWidthAt(t.top) * 0.6;
        QPainterPath shape(QPointF(cone.cx - topHw, t.top));
        shape.lineTo(cone.cx + topHw, t.top);
        shape.lineTo(cone.cx + hw, t.bottom - height * 0.01);
        const int tips = 9;
        for (int k = 1; k <= tips; ++k) {
            const double u = double(k) / tips;
            const double x = cone.cx + hw - 2 * hw * u;
            const double y = t.bottom + hw * 0.12 * std::sin(kPi * u);
            shape.quadTo(QPointF(x + hw / tips, y + height * 0.025),
                         QPointF(x, y - height * 0.005));
        }
        shape.closeSubpath();
        QLinearGradient shade(cone.cx - hw, t.top, cone.cx + hw, t.bottom);
        shade.setColorAt(0.0, style.needleDark.lighter(115));
        shade.setColorAt(0.5, style.needleDark);
        shade.setColorAt(1.0, style.needleDark.darker(170));
        p.fillPath(shape, shade);

        // Branches fanning out from the trunk, drawn needle by needle.
        const int branches = 6 + i;
        for (int b = 0; b < branches; ++b) {
            const double u = (b + rng.range(0.2, 0.8)) / branches;
            const double endX = cone.cx + (2 * u - 1) * hw * 0.98;
            const double endY =
                t.bottom + hw * 0.12 * std::sin(kPi * u) - rng.range(0, height * 0.01);
            const QPointF root(cone.cx + (2 * u - 1) * topHw * 0.5,
                               t.top + (t.bottom - t.top) * 0.35);
            QPainterPath spine(root);
            spine.quadTo(QPointF((root.x() + endX) / 2, root.y() + (endY - root.y()) * 0.35),
                         QPointF(endX, endY));
            // Branches on the shaded side stay darker.
            const double lightness = 1.0 - u * 0.45;
            const QColor light = mix(style.needleDark, style.needleLight, lightness);
            firBranch(p, rng, spine, needle, style.needleDark, light, 130);
            if (style.frost > 0.0) {
                p.setPen(QPen(withAlpha(QColor(235, 245, 255), style.frost * 0.7), needle * 0.1,
                              Qt::SolidLine, Qt::RoundCap));
                for (int k = 0; k < 25; ++k) {
                    const QPointF at =
                        spine.pointAtPercent(rng.range(0.3, 1.0)) +
                        QPointF(rng.range(-needle, needle), rng.range(-needle * 0.6, needle * 0.6));
                    p.drawLine(at, at + QPointF(rng.range(-needle, needle) * 0.5,
                                                rng.range(0, needle * 0.5)));
                }
            }
        }
    }

    // Strings of lights sagging across the tree.
    QImage bulbGlow = newCanvas(QSize(64, 64));
    {
        QPainter g(&bulbGlow);
        g.setRenderHint(QPainter::Antialiasing);
        glow(g, QPointF(32, 32), 32, QColor(255, 255, 255, 255), 0.08);
    }
    const int strands = 7;
    for (int s = 0; s < strands; ++s) {
        const double y0 = cone.apex + (cone.foot - cone.apex) * (0.14 + 0.8 * (s + 0.5) / strands);
        const double tilt = height * 0.05;
        const double hw = cone.halfWidthAt(y0);
        const int bulbs = std::max(4, int(style.lightCount * (hw / cone.halfBase) / strands * 1.6));
        for (int k = 0; k < bulbs; ++k) {
            const double u = (k + 0.5) / bulbs;
            const double x = cone.cx - hw * 0.95 + 1.9 * hw * u;
            const double y =
                y0 - tilt * (u - 0.5) + hw * 0.14 * std::sin(kPi * u) + rng.range(-3, 3);
            const QColor c = style.lights[size_t(rng.below(int(style.lights.size())))];
            p.setCompositionMode(QPainter::CompositionMode_Plus);
            glow(p, QPointF(x, y), needle * 1.9, withAlpha(c, 0.55));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setBrush(c.lighter(150));
            p.drawEllipse(QPointF(x, y), needle * 0.2, needle * 0.2);
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(QPointF(x, y), needle * 0.09, needle * 0.09);
        }
    }

    // Baubles hang on the outer half of the tree, where they catch the light.
    std::vector<QPointF> placed;
    for (int i = 0, tries = 0; i < style.baubleCount && tries < 2000; ++tries) {
        const double v = std::sqrt(rng.range(0.04, 1.0));
        const double y = cone.apex + (cone.foot - cone.apex) * v;
        const double hw = cone.halfWidthAt(y);
        const double x = cone.cx + rng.range(-0.85, 0.85) * hw;
        const double r = height * rng.range(0.019, 0.03) * (0.7 + 0.5 * v);
        bool crowded = false;
        for (const QPointF& q : placed)
            crowded = crowded || std::hypot(q.x() - x, q.y() - y) < r * 2.6;
        if (crowded)
            continue;
        placed.emplace_back(x, y);
        bauble(p, QPointF(x, y), r, style.baubles[size_t(rng.below(int(style.baubles.size())))]);
        ++i;
    }

    const QPointF top(cone.cx, cone.apex - height * 0.02);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, top, height * 0.16, withAlpha(style.star, 0.55));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QPainterPath star = starPath(top, height * 0.055, height * 0.023);
    QLinearGradient metal(top.x() - height * 0.05, top.y() - height * 0.05, top.x() + height * 0.05,
                          top.y() + height * 0.05);
    metal.setColorAt(0.0, style.star.lighter(160));
    metal.setColorAt(0.5, style.star);
    metal.setColorAt(1.0, style.star.darker(170));
    p.fillPath(star, metal);
    p.fillPath(starPath(top, height * 0.028, height * 0.011),
               withAlpha(QColor(255, 255, 255), 0.6));
    p.restore();
}

void paintPresent(QPainter& p, const QRectF& box, const QColor& paper, const QColor& ribbon)
{
    p.save();
    p.setPen(Qt::NoPen);
    const double lid = box.height() * 0.2;
    QLinearGradient side(box.topLeft(), box.topRight());
    side.setColorAt(0.0, paper.lighter(120));
    side.setColorAt(0.7, paper);
    side.setColorAt(1.0, paper.darker(160));
    p.setBrush(side);
    p.drawRect(box.adjusted(box.width() * 0.03, lid, -box.width() * 0.03, 0));
    p.setBrush(paper.lighter(110));
    p.drawRect(QRectF(box.left(), box.top(), box.width(), lid));
    p.fillRect(QRectF(box.left(), box.top() + lid * 0.85, box.width(), lid * 0.2),
               withAlpha(QColor(0, 0, 0), 0.25));
    const double band = box.width() * 0.11;
    QLinearGradient silk(box.center().x() - band, 0, box.center().x() + band, 0);
    silk.setColorAt(0.0, ribbon.darker(130));
    silk.setColorAt(0.4, ribbon.lighter(140));
    silk.setColorAt(1.0, ribbon.darker(140));
    p.fillRect(QRectF(box.center().x() - band / 2, box.top(), band, box.height()), silk);
    p.fillRect(QRectF(box.left(), box.top() + lid * 0.25, box.width(), band * 0.55), ribbon);
    // The bow: two loops and a knot.
    const QPointF knot(box.center().x(), box.top());
    const double loop = box.width() * 0.22;
    for (int side2 = -1; side2 <= 1; side2 += 2) {
        QPainterPath wing(knot);
        wing.cubicTo(knot + QPointF(side2 * loop * 1.4, -loop * 1.2),
                     knot + QPointF(side2 * loop * 1.6, loop * 0.1), knot);
        p.fillPath(wing, ribbon);
        p.strokePath(wing, QPen(ribbon.darker(150), 1.5));
    }
    p.setBrush(ribbon.lighter(120));
    p.drawEllipse(knot, loop * 0.22, loop * 0.18);
    p.restore();
}
