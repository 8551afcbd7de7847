#include "decorations/FairyDust.h"

#include "platform/RuntimeLibrary.h"

#include <QFont>
#include <QGuiApplication>
#include <QRawFont>
#include <QTransform>

#include <array>
#include <cmath>
#include <map>

namespace {

// One random fraction in 0..1.
float randomFraction()
{
    return static_cast<float>(crt::rand() / 32767.0);
}

constexpr std::array<QRgb, 4> kColors = {
    0xFFFF00FF, // magenta
    0xFF00FF00, // green
    0xFF00FFFF, // cyan
    0xFFFFFF00, // yellow
};

// The outline is taken once from a large font and scaled down, so every size
// keeps the glyph's true shape rather than one bent to the pixel grid.
constexpr qreal kReferenceEm = 2048;

QPainterPath referenceStar()
{
    // QFont needs the application's font database.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(kReferenceEm));
    font.setHintingPreference(QFont::PreferNoHinting);
    const qreal ascent = QRawFont::fromFont(font).ascent();
    // A line laid out in a box starts a sixth of an em inside its left edge,
    // and its baseline lies one ascent below the box's top.
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addText(QPointF(kReferenceEm / 6, ascent), font, QStringLiteral("*"));
    return path;
}

} // namespace

FairyDust::Particle FairyDust::MakeParticle(float x, float y)
{
    Particle particle;
    particle.x = x;
    particle.y = y;
    const float sign = randomFraction() >= 0.5f ? 1.0f : -1.0f;
    particle.vx = randomFraction() * 0.5f * sign;
    particle.vy = 1.0f;
    particle.life = kLife;
    particle.color = kColors[static_cast<size_t>(crt::rand()) % kColors.size()];
    return particle;
}

void FairyDust::MoveAndDraw(std::vector<Particle>& particles, FrameDrawing& graphics)
{
    for (size_t i = 0; i < particles.size();) {
        Particle& particle = particles[i];
        particle.x += particle.vx;
        particle.y += particle.vy;
        particle.life -= 1;
        if (particle.life < 0) {
            particles.erase(particles.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        const QPainterPath& star = StarPath(EmSize(particle.life));
        if (!star.isEmpty())
            graphics.fillPath(star.translated(particle.x, particle.y),
                              QColor::fromRgba(particle.color), true);
        ++i;
    }
}

int FairyDust::EmSize(int32_t life)
{
    return static_cast<int>(std::floor(static_cast<float>(life) / static_cast<float>(kLife) *
                                           static_cast<float>(kLargestStar) +
                                       0.5f));
}

const QPainterPath& FairyDust::StarPath(int emSize)
{
    static std::map<int, QPainterPath> cache;
    auto found = cache.find(emSize);
    if (found != cache.end())
        return found->second;
    QPainterPath path;
    if (emSize >= 1) {
        static const QPainterPath reference = referenceStar();
        path = QTransform::fromScale(emSize / kReferenceEm, emSize / kReferenceEm).map(reference);
    }
    return cache.emplace(emSize, std::move(path)).first->second;
}
