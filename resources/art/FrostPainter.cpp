#include "FrostPainter.h"

#include "ArtEasing.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kPi = 3.14159265358979323846;
// The design's screen height in units; everything is laid out in these.
constexpr double kDesignHeight = 768.0;
// Ferns stop growing where the frost thins out below this: the frost front.
constexpr double kFront = 0.05;
constexpr int kDeepestBranch = 2;

std::uint32_t latticeHash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u;
    h ^= static_cast<std::uint32_t>(y) * 0xd8163841u;
    h ^= seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double latticeValue(int x, int y, std::uint32_t seed)
{
    return latticeHash(x, y, seed) / 4294967295.0;
}

double fade(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double valueNoise(double u, double v, std::uint32_t seed)
{
    const double fu = std::floor(u), fv = std::floor(v);
    const int x = static_cast<int>(fu), y = static_cast<int>(fv);
    const double tu = fade(u - fu), tv = fade(v - fv);
    const double top = latticeValue(x, y, seed) * (1 - tu) + latticeValue(x + 1, y, seed) * tu;
    const double bottom =
        latticeValue(x, y + 1, seed) * (1 - tu) + latticeValue(x + 1, y + 1, seed) * tu;
    return top * (1 - tv) + bottom * tv;
}

// Three box blurs in a row come close to a gaussian and cost little on a whole screen.
void boxBlur(std::vector<float>& values, int width, int height, int radius)
{
    std::vector<float> line(static_cast<size_t>(std::max(width, height)));
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    auto blurLine = [&](float* data, int count, int stride) {
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += data[std::clamp(i, 0, count - 1) * stride];
        for (int i = 0; i < count; ++i) {
            line[static_cast<size_t>(i)] = sum * scale;
            sum += data[std::min(i + radius + 1, count - 1) * stride];
            sum -= data[std::max(i - radius, 0) * stride];
        }
        for (int i = 0; i < count; ++i)
            data[i * stride] = line[static_cast<size_t>(i)];
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            blurLine(values.data() + static_cast<size_t>(y) * width, width, 1);
        for (int x = 0; x < width; ++x)
            blurLine(values.data() + x, height, width);
    }
}

} // namespace

FrostPainter::FrostPainter(QSize size)
    : m_size(size), m_unit(size.height() / kDesignHeight), m_random(0x46524f53u)
{
}

double FrostPainter::uniform()
{
    return (m_random() >> 8) * (1.0 / 16777216.0);
}

double FrostPainter::uniform(double low, double high)
{
    return low + (high - low) * uniform();
}

double FrostPainter::smoothNoise(double u, double v, int octaves) const
{
    double sum = 0, amplitude = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * valueNoise(u, v, 17u + static_cast<std::uint32_t>(octave));
        total += amplitude;
        amplitude *= 0.5;
        u *= 2.03;
        v *= 2.03;
    }
    // Sums of octaves crowd round the middle; stretch them back towards 0..1.
    return std::clamp((sum / total - 0.5) * 1.7 + 0.5, 0.0, 1.0);
}

double FrostPainter::coverage(double x, double y) const
{
    const double u = x / m_unit, v = y / m_unit;
    const double width = m_size.width() / m_unit, height = m_size.height() / m_unit;
    const double dx = std::max(0.0, std::min(u, width - u));
    const double dy = std::max(0.0, std::min(v, height - v));
    const double edge = std::exp(-std::min(dx, dy) / 44.0);
    const double corner = std::exp(-std::hypot(dx, dy) / 135.0);
    const double patchiness = smoothNoise(u / 150.0, v / 150.0, 4);
    return std::clamp((0.55 * edge + corner) * (0.35 + 1.3 * patchiness), 0.0, 1.0);
}

void FrostPainter::addNeedle(QPointF from, QPointF to, double width, double alpha)
{
    const Stroke stroke{std::max(1, static_cast<int>(std::lround(width * 4))),
                        std::clamp(static_cast<int>(std::lround(alpha * 32)), 1, 32)};
    m_needles[stroke].emplace_back(from, to);
}

// A frost feather: a stem that wanders a little, with barbs leaning forward on
// both sides that shorten towards the tip, and barbs on the barbs.
void FrostPainter::growFern(QPointF start, double angle, double length, double width, double curl,
                            int depth)
{
    const double unit = m_unit;
    if (length < 2.0 * unit)
        return;
    const double step = std::clamp(length / 14.0, 1.2 * unit, 4.0 * unit);
    const double spacing = (depth == 0 ? uniform(4.0, 6.5) : uniform(2.6, 3.8)) * unit;
    const double barbAngle = uniform(0.85, 1.15);
    const double barbRatio = depth == 0 ? uniform(0.26, 0.40) : uniform(0.30, 0.45);
    const bool alternate = uniform() < 0.5;
    const double opacity = depth == 0 ? 0.85 : depth == 1 ? 0.62 : 0.45;
    const double wander = depth == 0 ? 0.06 : 0.03;

    QPointF point = start;
    double travelled = 0;
    double nextBarb = spacing * uniform(0.5, 1.5);
    double side = uniform() < 0.5 ? 1.0 : -1.0;
    while (travelled < length) {
        const double thickness = coverage(point.x(), point.y());
        if (thickness < kFront && travelled > 0)
            break;
        angle += curl * step + uniform(-wander, wander);
        const QPointF next = point + QPointF(std::cos(angle), std::sin(angle)) * step;
        const double along = travelled / length;
        addNeedle(point, next, width * (1.0 - 0.6 * along),
                  opacity * (0.45 + 0.55 * std::min(1.0, thickness * 1.5)));
        point = next;
        travelled += step;
        if (depth < kDeepestBranch && travelled >= nextBarb) {
            const double barbLength =
                barbRatio * length * std::pow(1.0 - along, 0.7) * uniform(0.75, 1.25);
            if (alternate) {
                growFern(point, angle + side * barbAngle, barbLength, width * 0.6, -curl * 1.5,
                         depth + 1);
                side = -side;
            } else {
                growFern(point, angle + barbAngle, barbLength, width * 0.6, -curl * 1.5, depth + 1);
                growFern(point, angle - barbAngle, barbLength, width * 0.6, -curl * 1.5, depth + 1);
            }
            nextBarb += spacing * uniform(0.8, 1.2);
        }
    }
}

QPointF FrostPainter::randomPoint()
{
    const double x = uniform(0, m_size.width());
    const double y = uniform(0, m_size.height());
    return {x, y};
}

// Each fern grows from dice of its own, so a fern that ends a step sooner on
// one screen size does not change every fern after it.
void FrostPainter::plantFern(QPointF start, double angle, double length, double width, double curl)
{
    const std::mt19937 layout = m_random;
    m_random.seed(0x46455231u + m_plantedFerns++);
    growFern(start, angle, length, width, curl, 0);
    m_random = layout;
}

void FrostPainter::seedFerns()
{
    const double unit = m_unit;
    const double width = m_size.width() / unit, height = m_size.height() / unit;

    // Along the four edges, growing inwards where the frame is cold.
    struct Edge {
        QPointF origin, direction;
        double length, inward;
    };
    const Edge edges[] = {
        {{0, -1}, {1, 0}, width, kPi / 2},
        {{0, height + 1}, {1, 0}, width, -kPi / 2},
        {{-1, 0}, {0, 1}, height, 0},
        {{width + 1, 0}, {0, 1}, height, kPi},
    };
    for (const Edge& edge : edges) {
        for (double s = uniform(0, 12); s < edge.length; s += uniform(9, 20)) {
            const QPointF at = (edge.origin + edge.direction * s) * unit;
            const double thickness = coverage(at.x(), at.y());
            const double length = uniform(40, 130) * (0.4 + thickness) * unit;
            const double angle = edge.inward + uniform(-0.65, 0.65);
            const double curl = uniform(-0.005, 0.005) / unit;
            plantFern(at, angle, length, 1.4 * unit, curl);
        }
    }

    // The corners freeze first and furthest: long ferns fanning out from each.
    const QPointF corners[] = {{0, 0}, {width, 0}, {0, height}, {width, height}};
    for (const QPointF& corner : corners) {
        const double sx = corner.x() > 0 ? -1 : 1, sy = corner.y() > 0 ? -1 : 1;
        const double diagonal = std::atan2(sy, sx);
        const int count = 7;
        for (int i = 0; i < count; ++i) {
            const double along = uniform(-2, 40);
            const double down = uniform(-2, 40);
            const QPointF at = QPointF(corner.x() + sx * along, corner.y() + sy * down) * unit;
            const double angle = diagonal + (i - (count - 1) / 2.0) * 0.2 + uniform(-0.1, 0.1);
            const double length = uniform(200, 330) * unit;
            const double curl = uniform(-0.003, 0.003) / unit;
            plantFern(at, angle, length, 1.8 * unit, curl);
        }
    }

    // Nuclei inside the frozen parts add the dense tangle near the frame.
    for (int i = 0; i < 2500; ++i) {
        const QPointF at = randomPoint();
        const double thickness = coverage(at.x(), at.y());
        if (uniform() >= thickness * thickness * 0.15)
            continue;
        const double angle = uniform(0, 2 * kPi);
        const double length = uniform(20, 60) * (0.5 + thickness) * unit;
        const double curl = uniform(-0.01, 0.01) / unit;
        plantFern(at, angle, length, 1.0 * unit, curl);
    }
}

// A small six-armed star of ice with side needles on each arm.
void FrostPainter::growCrystal(QPointF centre, double radius, double turn)
{
    for (int arm = 0; arm < 6; ++arm) {
        const double angle = turn + arm * kPi / 3;
        const QPointF direction(std::cos(angle), std::sin(angle));
        addNeedle(centre, centre + direction * radius, 0.9 * m_unit, 0.8);
        for (const double at : {0.4, 0.68}) {
            const QPointF base = centre + direction * (radius * at);
            const double side = radius * (at < 0.5 ? 0.32 : 0.2);
            for (const double sign : {-1.0, 1.0}) {
                const double sideAngle = angle + sign * kPi / 3;
                addNeedle(base, base + QPointF(std::cos(sideAngle), std::sin(sideAngle)) * side,
                          0.7 * m_unit, 0.65);
            }
        }
    }
}

void FrostPainter::seedCrystals()
{
    const double unit = m_unit;
    for (int i = 0; i < 3000; ++i) {
        const QPointF at = randomPoint();
        const double thickness = coverage(at.x(), at.y());
        if (thickness < 0.15 || uniform() >= thickness * 0.12)
            continue;
        const double radius = uniform(3, 9) * (0.6 + thickness) * unit;
        growCrystal(at, radius, uniform(0, kPi));
    }
}

QImage FrostPainter::paintHaze() const
{
    QImage haze(m_size, QImage::Format_ARGB32_Premultiplied);
    const QColor tint(214, 231, 250);
    for (int y = 0; y < m_size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(haze.scanLine(y));
        for (int x = 0; x < m_size.width(); ++x) {
            const double thickness = coverage(x + 0.5, y + 0.5);
            double alpha = 0;
            if (thickness > 0.12) {
                const double u = x / m_unit, v = y / m_unit;
                const double mottle = 0.6 * smoothNoise(u / 14.0, v / 14.0, 2) +
                                      0.4 * smoothNoise(u / 3.0, v / 3.0, 1);
                alpha = std::pow(ArtEasing::smoothStep(0.12, 1.0, thickness), 1.5) *
                        (0.22 + 0.5 * mottle);
                // Fine hoarfrost grain, densest right at the frame.
                const double grain = latticeHash(x, y, 99u) / 4294967295.0;
                if (grain < 0.4 * thickness * thickness)
                    alpha += 0.25 * thickness;
                alpha = std::min(alpha, 0.52);
            }
            const int a = static_cast<int>(std::lround(alpha * 255));
            row[x] = qRgba(tint.red() * a / 255, tint.green() * a / 255, tint.blue() * a / 255, a);
        }
    }
    return haze;
}

QImage FrostPainter::paintNeedles() const
{
    QImage needles(m_size, QImage::Format_ARGB32_Premultiplied);
    needles.fill(Qt::transparent);
    QPainter painter(&needles);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [stroke, lines] : m_needles) {
        QPen pen(QColor(242, 249, 255, std::min(255, stroke.alphaStep * 8)),
                 stroke.widthStep / 4.0);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
    return needles;
}

// A cold blue halo round the needles makes them read as ice, not as scratches.
QImage FrostPainter::glowAround(const QImage& needles) const
{
    const int width = m_size.width(), height = m_size.height();
    std::vector<float> alpha(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(needles.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[static_cast<size_t>(y) * width + x] = qAlpha(row[x]) / 255.0f;
    }
    boxBlur(alpha, width, height, std::max(1, static_cast<int>(std::lround(2.5 * m_unit))));
    QImage glow(m_size, QImage::Format_ARGB32_Premultiplied);
    const QColor tint(168, 205, 246);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(glow.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Where the ferns crowd together the halo would only wash them out.
            const double crowding = ArtEasing::smoothStep(0.55, 1.0, coverage(x + 0.5, y + 0.5));
            const double value = std::min(1.0, alpha[static_cast<size_t>(y) * width + x] * 2.2) *
                                 (1 - 0.6 * crowding);
            const int a = static_cast<int>(std::lround(value * 0.42 * 255));
            row[x] = qRgba(tint.red() * a / 255, tint.green() * a / 255, tint.blue() * a / 255, a);
        }
    }
    return glow;
}

// Four-pointed glints where the light catches the ice.
void FrostPainter::paintSparkles(QPainter& painter)
{
    const double unit = m_unit;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    int made = 0;
    for (int i = 0; i < 6000 && made < 200; ++i) {
        const QPointF at = randomPoint();
        const double thickness = coverage(at.x(), at.y());
        if (thickness < 0.25 || uniform() >= thickness * 0.5)
            continue;
        ++made;
        const double reach = uniform(3.5, 12.0) * unit;
        const double turn = uniform(-0.25, 0.25);
        QRadialGradient light(at, reach);
        light.setColorAt(0.0, QColor(255, 255, 255, 255));
        light.setColorAt(0.25, QColor(235, 246, 255, 200));
        light.setColorAt(1.0, QColor(200, 225, 255, 0));
        QPainterPath star;
        const double waist = reach * 0.12;
        for (int k = 0; k < 4; ++k) {
            const double a = turn + k * kPi / 2;
            const QPointF tip = at + QPointF(std::cos(a), std::sin(a)) * reach;
            const QPointF side = at + QPointF(std::cos(a + kPi / 4), std::sin(a + kPi / 4)) * waist;
            if (k == 0)
                star.moveTo(tip);
            else
                star.lineTo(tip);
            star.lineTo(side);
        }
        star.closeSubpath();
        painter.setBrush(light);
        painter.drawPath(star);
        QRadialGradient core(at, reach * 0.35);
        core.setColorAt(0.0, QColor(255, 255, 255, 230));
        core.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.setBrush(core);
        painter.drawEllipse(at, reach * 0.35, reach * 0.35);
    }
}

QImage FrostPainter::paint()
{
    seedFerns();
    seedCrystals();
    QImage frost = paintHaze();
    const QImage needles = paintNeedles();
    const QImage glow = glowAround(needles);
    QPainter painter(&frost);
    painter.drawImage(0, 0, glow);
    painter.drawImage(0, 0, needles);
    paintSparkles(painter);
    painter.end();
    return frost;
}
