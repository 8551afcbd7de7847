#include "decorations/FairyDust.h"

#include "platform/RuntimeLibrary.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRawFont>
#include <QTransform>

#include <algorithm>
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

// A star as it is shown: the glyph in a paler tint of its colour with a
// white-hot middle, in a soft halo of its own colour, so the dust glows
// rather than showing hard-edged flat stars. Made once per colour and size.
struct StarPicture {
    QImage image;
    QRectF box; // where it goes, relative to the star's layout box
};

const StarPicture& starPicture(QRgb colour, int emSize)
{
    static std::map<std::pair<QRgb, int>, StarPicture> cache;
    const auto key = std::make_pair(colour, emSize);
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    StarPicture picture;
    const QPainterPath& star = FairyDust::StarPath(emSize);
    if (!star.isEmpty()) {
        const QRectF glyph = star.boundingRect();
        const QPointF middle = glyph.center();
        const qreal reach = 1.5 + 0.62 * emSize;
        picture.box = QRectF(std::floor(middle.x() - reach), std::floor(middle.y() - reach), 0, 0);
        const int side = static_cast<int>(std::ceil(middle.x() + reach - picture.box.x()));
        picture.box.setSize(QSizeF(side, side));
        picture.image = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        picture.image.fill(Qt::transparent);
        QPainter painter(&picture.image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-picture.box.topLeft());
        painter.setPen(Qt::NoPen);
        const QColor tint = QColor::fromRgba(colour);
        auto withAlpha = [](QColor shade, int alpha) {
            shade.setAlpha(alpha);
            return shade;
        };
        QRadialGradient glow(middle, reach);
        glow.setColorAt(0.0, withAlpha(tint, 190));
        glow.setColorAt(0.3, withAlpha(tint, 95));
        glow.setColorAt(0.65, withAlpha(tint, 30));
        glow.setColorAt(1.0, withAlpha(tint, 0));
        painter.setBrush(glow);
        painter.drawEllipse(middle, reach, reach);
        // A glint of four fine rays through the middle, fading out.
        const qreal ray = reach * 0.95;
        for (const QPointF& direction : {QPointF(1, 0), QPointF(0, 1)}) {
            QLinearGradient fade(middle - direction * ray, middle + direction * ray);
            fade.setColorAt(0.0, withAlpha(tint, 0));
            fade.setColorAt(0.5, QColor(255, 255, 255, 230));
            fade.setColorAt(1.0, withAlpha(tint, 0));
            const QPointF across(direction.y(), direction.x());
            const qreal half = std::max(0.35, 0.045 * emSize);
            painter.setBrush(fade);
            painter.drawPolygon(QPolygonF{middle - direction * ray, middle + across * half,
                                          middle + direction * ray, middle - across * half});
        }
        const QColor pale((tint.red() + 2 * 255) / 3, (tint.green() + 2 * 255) / 3,
                          (tint.blue() + 2 * 255) / 3);
        QRadialGradient body(middle, std::max(glyph.width(), glyph.height()) / 2);
        body.setColorAt(0.0, Qt::white);
        body.setColorAt(0.5, pale);
        body.setColorAt(1.0, tint);
        painter.setBrush(body);
        painter.drawPath(star);
    }
    return cache.emplace(key, std::move(picture)).first->second;
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
        const StarPicture& star = starPicture(particle.color, EmSize(particle.life));
        graphics.drawImage(star.image, star.box.translated(particle.x, particle.y));
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
