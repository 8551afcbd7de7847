#include "SnowDeepFrames.h"

#include "ArtEasing.h"
#include "ArtRandom.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// The colour table: 24 steps of opacity times 6 steps from the dark halo
// colour to snow white; entry 0 is fully transparent.
constexpr int opacitySteps = 24;
constexpr int shadeSteps = 6;
// Opacity steps are closer together near transparent, where the soft edges
// and the faint halos lie.
constexpr double opacityGamma = 1.5;

// Flakes wrap round this far outside the screen, so no one pops in or out.
constexpr double margin = 24.0;
// Wind from the left: a flake drifts this many pixels sideways per pixel it falls.
constexpr double windSlant = 0.12;

QRgb shadeColour(double shade, double opacity)
{
    // Dark blue-grey halo to a faintly blue white.
    const double r = 22 + (251 - 22) * shade;
    const double g = 30 + (253 - 30) * shade;
    const double b = 48 + (255 - 48) * shade;
    return qRgba(static_cast<int>(std::lround(r)), static_cast<int>(std::lround(g)),
                 static_cast<int>(std::lround(b)), static_cast<int>(std::lround(opacity * 255)));
}

double fraction(double value)
{
    return value - std::floor(value);
}

// Premultiplied coverage and whiteness of one frame, composited flake by flake.
class Canvas {
public:
    Canvas() : m_alpha(size(), 0.0f), m_light(size(), 0.0f) {}

    static size_t size()
    {
        return static_cast<size_t>(SnowDeepFrames::width) * SnowDeepFrames::height;
    }

    // A round soft spot, `stretch` times taller than wide; `light` 1 is white, 0 the halo colour.
    void spot(double cx, double cy, double radius, double softness, double stretch, double opacity,
              float light)
    {
        const double reachX = radius + softness + 1.0;
        const double reachY = reachX * stretch;
        const int x0 = std::max(0, static_cast<int>(std::floor(cx - reachX)));
        const int x1 =
            std::min(SnowDeepFrames::width - 1, static_cast<int>(std::ceil(cx + reachX)));
        const int y0 = std::max(0, static_cast<int>(std::floor(cy - reachY)));
        const int y1 =
            std::min(SnowDeepFrames::height - 1, static_cast<int>(std::ceil(cy + reachY)));
        for (int y = y0; y <= y1; ++y) {
            const double dy = (y + 0.5 - cy) / stretch;
            const size_t row = static_cast<size_t>(y) * SnowDeepFrames::width;
            for (int x = x0; x <= x1; ++x) {
                const double dx = x + 0.5 - cx;
                const double distance = std::sqrt(dx * dx + dy * dy);
                const double cover =
                    ArtEasing::smoothStep(radius + softness, radius - softness, distance);
                if (cover <= 0.0)
                    continue;
                const float a = static_cast<float>(cover * opacity);
                float& alpha = m_alpha[row + x];
                float& lightness = m_light[row + x];
                lightness = light * a + lightness * (1.0f - a);
                alpha = a + alpha * (1.0f - a);
            }
        }
    }

    QImage toIndexed(const QList<QRgb>& colours) const
    {
        // Opacity to step, looked up rather than computed per pixel.
        static const std::array<uchar, 1024> opacityStep = [] {
            std::array<uchar, 1024> steps{};
            for (size_t i = 0; i < steps.size(); ++i) {
                const double a = static_cast<double>(i) / (steps.size() - 1);
                steps[i] =
                    static_cast<uchar>(std::lround(std::pow(a, 1.0 / opacityGamma) * opacitySteps));
            }
            return steps;
        }();
        QImage image(SnowDeepFrames::width, SnowDeepFrames::height, QImage::Format_Indexed8);
        image.setColorTable(colours);
        for (int y = 0; y < SnowDeepFrames::height; ++y) {
            uchar* line = image.scanLine(y);
            const size_t row = static_cast<size_t>(y) * SnowDeepFrames::width;
            for (int x = 0; x < SnowDeepFrames::width; ++x) {
                const float a = m_alpha[row + x];
                const int step = opacityStep[static_cast<size_t>(a * 1023.0f + 0.5f)];
                if (step == 0) {
                    line[x] = 0;
                    continue;
                }
                const float light = std::clamp(m_light[row + x] / a, 0.0f, 1.0f);
                const int shade = static_cast<int>(light * (shadeSteps - 1) + 0.5f);
                line[x] = static_cast<uchar>(1 + (step - 1) * shadeSteps + shade);
            }
        }
        return image;
    }

private:
    std::vector<float> m_alpha;
    std::vector<float> m_light;
};

} // namespace

SnowDeepFrames::SnowDeepFrames()
{
    m_colours.append(qRgba(0, 0, 0, 0));
    for (int step = 1; step <= opacitySteps; ++step) {
        const double opacity = std::pow(static_cast<double>(step) / opacitySteps, opacityGamma);
        for (int shade = 0; shade < shadeSteps; ++shade)
            m_colours.append(shadeColour(static_cast<double>(shade) / (shadeSteps - 1), opacity));
    }

    ArtRandom random(374);
    const double spanX = width + 2 * margin;
    struct Layer {
        int count;
        int laps;
        double radiusLow, radiusHigh;
        double softness;
        double opacityLow, opacityHigh;
        double stretch;
        double swayLow, swayHigh;
    };
    // From the far distance to right in front of the viewer; drawn in this
    // order so nearer flakes cover farther ones.
    const Layer layers[] = {
        {1000, 0, 0.5, 0.8, 0.5, 0.45, 0.75, 1.0, 1.0, 3.0},
        {850, 1, 0.8, 1.25, 0.55, 0.7, 0.9, 1.0, 2.0, 5.0},
        {400, 2, 1.4, 2.3, 0.7, 0.85, 0.95, 1.05, 3.0, 8.0},
        {100, 3, 2.8, 4.4, 1.3, 0.8, 0.9, 1.15, 6.0, 12.0},
        {16, 4, 6.0, 10.0, 4.0, 0.65, 0.8, 1.2, 10.0, 20.0},
    };
    for (const Layer& layer : layers) {
        for (int i = 0; i < layer.count; ++i) {
            Flake flake{};
            flake.laps = layer.laps;
            flake.radius = random.range(layer.radiusLow, layer.radiusHigh);
            flake.softness = layer.softness * random.range(0.85, 1.2);
            flake.opacity = random.range(layer.opacityLow, layer.opacityHigh);
            flake.stretch = layer.stretch;
            flake.swayWidth = random.range(layer.swayLow, layer.swayHigh);
            flake.swayLaps = 1 + random.below(2);
            flake.swayPhase = random.unit();
            if (layer.laps >= 3)
                flake.tumbleLaps = random.below(2) == 0 ? -1 : 1;
            if (layer.laps == 0) {
                // Distant flakes fall slower than the loop allows a full lap,
                // so each fades in, falls part of the way and fades out.
                flake.travel = random.range(0.4, 0.6) * height;
                flake.x = random.range(-windSlant * flake.travel, width);
                flake.y = random.range(-flake.travel * 0.5, height - flake.travel * 0.5);
                flake.lifePhase = random.unit();
            } else {
                flake.x = random.range(0.0, spanX);
                flake.y = random.unit();
            }
            m_flakes.push_back(flake);
        }
    }
}

QImage SnowDeepFrames::frame(int index) const
{
    const double phase = static_cast<double>(index) / frameCount;
    const double spanX = width + 2 * margin;
    const double spanY = height + 2 * margin;
    Canvas canvas;
    for (const Flake& flake : m_flakes) {
        const double sway = flake.swayWidth * std::sin(2.0 * std::numbers::pi *
                                                       (flake.swayLaps * phase + flake.swayPhase));
        double x = 0.0, y = 0.0, opacity = flake.opacity;
        if (flake.laps == 0) {
            const double life = fraction(phase + flake.lifePhase);
            y = flake.y + flake.travel * life;
            x = flake.x + windSlant * flake.travel * life + sway;
            opacity *=
                ArtEasing::smoothStep(0.0, 0.2, life) * ArtEasing::smoothStep(1.0, 0.8, life);
        } else {
            const double fallen = fraction(flake.y + flake.laps * phase) * spanY;
            y = fallen - margin;
            x = fraction((flake.x + windSlant * fallen + sway) / spanX) * spanX - margin;
        }
        if (opacity <= 0.0)
            continue;
        // A faint dark halo under a flake keeps it visible over white windows.
        // Sharp flakes get a clear one, blurred near ones only a trace (or they
        // would look grey over a dark wallpaper), the most distant specks none.
        const double haloStrength = flake.laps == 0 ? 0.0 : 0.32 / (1.0 + 0.5 * flake.softness);
        if (haloStrength > 0.0)
            canvas.spot(x + 0.4, y + 0.6 + 0.15 * flake.radius, flake.radius + 0.6,
                        flake.softness + 0.6, flake.stretch, opacity * haloStrength, 0.0f);
        canvas.spot(x, y, flake.radius, flake.softness, flake.stretch, opacity, 1.0f);
        if (flake.tumbleLaps != 0) {
            // Near flakes are clumps, not balls: two lumps turn round the
            // core as the flake tumbles.
            const double turn =
                2.0 * std::numbers::pi * (flake.tumbleLaps * phase + flake.swayPhase);
            for (int lump = 0; lump < 2; ++lump) {
                const double angle = turn + lump * 2.4;
                const double reach = flake.radius * (lump == 0 ? 0.55 : 0.45);
                canvas.spot(x + std::cos(angle) * reach,
                            y + std::sin(angle) * reach * flake.stretch, flake.radius * 0.62,
                            flake.softness, flake.stretch, opacity * 0.9, 1.0f);
            }
        }
    }
    return canvas.toIndexed(m_colours);
}
