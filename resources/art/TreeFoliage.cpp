#include "TreeFoliage.h"

#include "ArtColour.h"
#include "ArtRandom.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Shadow -> body -> light as the shade runs from 0 to 1.
QColor shadeColour(const TreePalette& palette, double shade)
{
    if (shade < 0.5)
        return ArtColour::mix(palette.shadow, palette.body, shade * 2.0);
    return ArtColour::mix(palette.body, palette.light, (shade - 0.5) * 2.0);
}

QPointF quadPoint(const QPointF& a, const QPointF& b, const QPointF& c, double s)
{
    const double u = 1.0 - s;
    return a * (u * u) + b * (2.0 * u * s) + c * (s * s);
}

QPointF quadTangent(const QPointF& a, const QPointF& b, const QPointF& c, double s)
{
    return (b - a) * (2.0 * (1.0 - s)) + (c - b) * (2.0 * s);
}

QPointF unitVector(const QPointF& v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 1e-9 ? v / length : QPointF(0, 1);
}

QPointF rotated(const QPointF& v, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

} // namespace

TreeFoliage::TreeFoliage(const TreeShape& shape, const TreePalette& palette, std::uint64_t seed)
    : m_shape(shape), m_palette(palette)
{
    ArtRandom random(seed);
    const double height = m_shape.baseY - m_shape.apexY;
    const double scale = m_shape.halfWidth / 130.0;
    for (double y = m_shape.apexY + 3.0; y <= m_shape.baseY; y += random.range(1.8, 3.0)) {
        const double t = (y - m_shape.apexY) / height;
        const int count = 3 + static_cast<int>(t * 7.0 + random.unit() * 2.0);
        for (int i = 0; i < count; ++i) {
            const double azimuth = random.range(0.0, 2.0 * std::numbers::pi);
            const double side = std::sin(azimuth);
            const double depth = std::cos(azimuth);
            const double reach = envelope(t) * random.range(0.82, 1.04);
            const double dx = reach * side;
            // Branches hang lower towards the foot; one pointing at the
            // viewer shows mostly its droop, so it is kept short.
            const double droop =
                reach * (0.10 + 0.22 * t) * (0.45 + 0.55 * std::abs(side)) * random.range(0.8, 1.2);
            Branch branch;
            branch.root = QPointF(m_shape.centreX + random.range(-1.5, 1.5), y);
            branch.tip = QPointF(m_shape.centreX + dx, y + droop + reach * 0.04);
            branch.bend = QPointF(m_shape.centreX + dx * 0.5,
                                  y + droop * 0.05 - reach * 0.07 * std::abs(side));
            branch.depth = depth;
            // Light comes from the upper left and the front; the top of
            // each tier lies in the shadow of the tier above it.
            const double tierPosition = t * m_shape.tiers;
            const double within = tierPosition - std::floor(tierPosition);
            branch.shade =
                std::clamp(0.24 + 0.44 * (depth + 1.0) / 2.0 - 0.20 * side + 0.10 * (1.0 - t) -
                               0.34 * (1.0 - within) * (1.0 - within) + random.range(-0.06, 0.06),
                           0.0, 1.0);
            branch.order = depth - 0.35 * t;
            branch.needle = scale * random.range(5.0, 7.5) * (0.6 + 0.4 * std::min(1.0, t * 3.0));
            branch.seed = random.next();
            m_branches.push_back(branch);
        }
    }
    std::stable_sort(m_branches.begin(), m_branches.end(),
                     [](const Branch& a, const Branch& b) { return a.order < b.order; });
}

double TreeFoliage::envelope(double t) const
{
    t = std::clamp(t, 0.0, 1.0);
    const double tierPosition = t * m_shape.tiers;
    double within = tierPosition - std::floor(tierPosition);
    if (t >= 1.0)
        within = 1.0;
    // Each tier starts narrower than the one above ended, which gives the
    // crown its stepped outline.
    const double tierTop = std::min(1.0, std::floor(tierPosition) / m_shape.tiers + 0.02);
    const double cone = std::pow(t, 0.95);
    const double stepped = std::pow(tierTop, 0.95) * 0.56 +
                           (cone - std::pow(tierTop, 0.95) * 0.56) * std::pow(within, 0.6);
    return m_shape.halfWidth * std::max(stepped, cone * 0.55);
}

double TreeFoliage::halfWidthAt(double y) const
{
    const double t = (y - m_shape.apexY) / (m_shape.baseY - m_shape.apexY);
    if (t <= 0)
        return 0;
    return envelope(t);
}

QPointF TreeFoliage::spotOnFront(ArtRandom& random, double yMin, double yMax, double inset) const
{
    const double y = random.range(yMin, yMax);
    const double reach = halfWidthAt(y) * inset;
    return {m_shape.centreX + random.range(-reach, reach), y};
}

void TreeFoliage::paint(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintTrunk(painter);
    paintCore(painter);
    for (const Branch& branch : m_branches) {
        paintBranch(painter, branch);
        if (m_palette.cover == TreeCover::Snow && branch.depth > -0.6)
            paintSnow(painter, branch);
    }
    painter.restore();
}

void TreeFoliage::paintTrunk(QPainter& painter) const
{
    const double height = m_shape.baseY - m_shape.apexY;
    const double half = std::max(4.0, m_shape.halfWidth * 0.075);
    const double top = m_shape.baseY - height * 0.2;
    QLinearGradient gradient(m_shape.centreX - half, 0, m_shape.centreX + half, 0);
    gradient.setColorAt(0.0, m_palette.trunk.darker(150));
    gradient.setColorAt(0.35, m_palette.trunk.lighter(125));
    gradient.setColorAt(1.0, m_palette.trunk.darker(210));
    QPainterPath path;
    path.moveTo(m_shape.centreX - half * 0.4, top);
    path.lineTo(m_shape.centreX + half * 0.4, top);
    path.lineTo(m_shape.centreX + half, m_shape.trunkBottomY);
    path.lineTo(m_shape.centreX - half, m_shape.trunkBottomY);
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(path);
    // Bark lines.
    ArtRandom random(0x7b1u);
    painter.setPen(QPen(m_palette.trunk.darker(190), 0.8));
    for (int i = 0; i < 7; ++i) {
        const double x = m_shape.centreX + random.range(-half * 0.8, half * 0.8);
        const double y0 = m_shape.trunkBottomY - random.range(4, height * 0.25);
        painter.drawLine(QPointF(x, y0),
                         QPointF(x + random.range(-1, 1), y0 + random.range(6, 16)));
    }
}

void TreeFoliage::paintCore(QPainter& painter) const
{
    // A dark body inside the crown so the desktop never shows through the
    // middle of the tree, only between the outer branch tips.
    QPainterPath path;
    const int steps = 120;
    std::vector<QPointF> right;
    for (int i = 0; i <= steps; ++i) {
        const double y = m_shape.apexY + 10 + (m_shape.baseY - m_shape.apexY - 10) * i / steps;
        right.emplace_back(halfWidthAt(y) * 0.66, y + halfWidthAt(y) * 0.08);
    }
    path.moveTo(m_shape.centreX, m_shape.apexY + 10);
    for (const QPointF& p : right)
        path.lineTo(m_shape.centreX + p.x(), p.y());
    // The underside bulges up so the lowest branches hide it.
    path.quadTo(m_shape.centreX, right.back().y() - right.back().x() * 0.25,
                m_shape.centreX - right.back().x(), right.back().y());
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        path.lineTo(m_shape.centreX - it->x(), it->y());
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtColour::mix(m_palette.shadow, QColor(0, 0, 0), 0.2));
    painter.drawPath(path);
}

void TreeFoliage::paintBranch(QPainter& painter, const Branch& branch) const
{
    ArtRandom random(branch.seed);
    const QPointF span = branch.tip - branch.root;
    const double length = std::hypot(span.x(), span.y());
    const int steps = std::max(4, static_cast<int>(length / 2.1));
    const QColor base = shadeColour(m_palette, branch.shade);

    QPen pen(ArtColour::mix(base, m_palette.shadow, 0.6), std::max(1.0, branch.needle * 0.22));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath spine(branch.root);
    spine.quadTo(branch.bend, branch.tip);
    painter.drawPath(spine);

    pen.setWidthF(std::max(0.9, branch.needle * 0.19));
    const bool frost = m_palette.cover == TreeCover::Frost;
    for (int i = 1; i <= steps; ++i) {
        const double s = static_cast<double>(i) / steps;
        if (s < 0.12 && branch.depth < -0.2)
            continue; // the inner ends lie in the dark core anyway
        const QPointF p = quadPoint(branch.root, branch.bend, branch.tip, s);
        const QPointF direction = unitVector(quadTangent(branch.root, branch.bend, branch.tip, s));
        const double taper =
            0.55 + 0.45 * std::sin(std::numbers::pi * std::min(1.0, 0.25 + s * 0.9));
        for (int sideSign = -1; sideSign <= 1; sideSign += 2) {
            const double angle = sideSign * random.range(0.55, 1.05);
            const QPointF needle = unitVector(rotated(direction, angle) + QPointF(0, 0.35)) *
                                   (branch.needle * taper * random.range(0.75, 1.15));
            double shade = branch.shade + random.range(-0.12, 0.12) + (sideSign < 0 ? 0.05 : -0.05);
            QColor colour = shadeColour(m_palette, shade);
            if (s > 0.7 && random.chance((s - 0.7) * 2.2))
                colour = ArtColour::mix(colour, m_palette.tip,
                                        random.range(0.4, 0.9) * (0.4 + 0.6 * branch.shade));
            pen.setColor(colour);
            painter.setPen(pen);
            painter.drawLine(p, p + needle);
            if (frost && random.chance(0.35 + 0.4 * s)) {
                // Rime gathers on the needle ends.
                QColor rime =
                    ArtColour::mix(m_palette.tip, QColor(255, 255, 255), 0.3 + 0.5 * branch.shade);
                rime.setAlphaF(static_cast<float>(0.45 + 0.5 * branch.shade));
                QPen rimePen(rime, pen.widthF() * 1.5);
                rimePen.setCapStyle(Qt::RoundCap);
                painter.setPen(rimePen);
                painter.drawLine(p + needle * 0.55, p + needle * 1.05);
            }
        }
    }
}

void TreeFoliage::paintSnow(QPainter& painter, const Branch& branch) const
{
    ArtRandom random(branch.seed ^ 0x5a5a5a5aULL);
    const QPointF span = branch.tip - branch.root;
    const double length = std::hypot(span.x(), span.y());
    const int steps = std::max(3, static_cast<int>(length / 2.5));
    const double bright = 0.55 + 0.45 * branch.shade;
    const QColor white = ArtColour::mix(QColor(150, 170, 200), QColor(255, 255, 255), bright);
    const QColor under = ArtColour::mix(QColor(95, 115, 150), QColor(190, 205, 230), bright);
    painter.setPen(Qt::NoPen);
    const double thickness = branch.needle * 0.42 * (0.5 + 0.5 * std::abs(branch.depth));
    for (int i = 0; i <= steps; ++i) {
        const double s = 0.18 + 0.78 * static_cast<double>(i) / steps;
        // Snow lies thickest in the middle of a branch and thins out.
        const double amount = std::sin(std::numbers::pi * (s - 0.1) / 0.95);
        if (amount <= 0.1 || random.chance(0.12))
            continue;
        const QPointF p = quadPoint(branch.root, branch.bend, branch.tip, s);
        const double r = thickness * amount * random.range(0.8, 1.3) + 0.6;
        painter.setBrush(under);
        painter.drawEllipse(p + QPointF(0, r * 0.25), r * 1.2, r * 0.75);
        painter.setBrush(white);
        painter.drawEllipse(p - QPointF(0, r * 0.25), r * 1.1, r * 0.65);
    }
}
