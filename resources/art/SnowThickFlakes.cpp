#include "SnowThickFlakes.h"

#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "SnowLook.h"
#include "SnowMask.h"
#include "SnowShapes.h"

#include "vocabulary/SnowPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using namespace SnowShapes;

namespace {

struct ClumpSize {
    unsigned id;
    int width;
    int height;
};

// Sizes grow steadily from the smallest to the biggest clump.
constexpr std::array<ClumpSize, 10> clumpSizes{{{kThickSnowPictures[0], 4, 7},
                                                {kThickSnowPictures[1], 8, 11},
                                                {kThickSnowPictures[2], 12, 16},
                                                {kThickSnowPictures[3], 16, 21},
                                                {kThickSnowPictures[4], 21, 26},
                                                {kThickSnowPictures[5], 26, 32},
                                                {kThickSnowPictures[6], 31, 37},
                                                {kThickSnowPictures[7], 36, 43},
                                                {kThickSnowPictures[8], 41, 48},
                                                {kThickSnowPictures[9], 47, 54}}};

// A wet clump is many flakes stuck together: round lumps round a dense core
// with smaller flakes clinging to its edge.
SnowMask clumpShape(const ClumpSize& size)
{
    const int supersample = size.width < 20 ? 8 : 4;
    return SnowMask::painted(
        size.width, size.height,
        [&](QPainter& p) {
            ArtRandom random(static_cast<std::uint64_t>(size.id) * 7919u);
            const double margin = size.width < 10 ? 0.9 : 1.6;
            const double rx = size.width * 0.5 - margin;
            const double ry = size.height * 0.5 - margin;
            const QPointF centre(size.width * 0.5, size.height * 0.5);
            const double scale = std::min(rx, ry);

            p.drawEllipse(centre, rx * 0.62, ry * 0.62);
            const int lumpCount = 5 + size.width / 3;
            for (int i = 0; i < lumpCount; ++i) {
                const double angle =
                    2.0 * std::numbers::pi * (i + random.range(-0.3, 0.3)) / lumpCount;
                const double lumpRadius = scale * random.range(0.22, 0.4);
                const double reach = random.range(0.45, 1.0) - lumpRadius / scale * 0.9;
                const QPointF at(centre.x() + std::cos(angle) * rx * reach,
                                 centre.y() + std::sin(angle) * ry * reach);
                p.drawEllipse(at, lumpRadius, lumpRadius * random.range(0.85, 1.15));
            }
            // Small flakes stuck on the outside make the outline ragged.
            const int crumbs = size.width / 3;
            for (int i = 0; i < crumbs; ++i) {
                const double angle = random.range(0.0, 2.0 * std::numbers::pi);
                const double crumbRadius = scale * random.range(0.08, 0.16);
                const double reach = 0.92 - crumbRadius / scale;
                p.drawEllipse(QPointF(centre.x() + std::cos(angle) * rx * reach,
                                      centre.y() + std::sin(angle) * ry * reach),
                              crumbRadius, crumbRadius);
            }
        },
        supersample);
}

QImage clump(const ClumpSize& size)
{
    const float scale = static_cast<float>(std::min(size.width, size.height));
    SnowLook look;
    look.rim = QColor(170, 188, 214);
    look.volumeSigma = std::max(0.6f, scale * 0.07f);
    look.volumeFull = 0.85f;
    look.relief = std::clamp(scale * 0.12f, 0.4f, 2.5f);
    look.haloAlpha = 0.42f;
    look.haloSigma = std::clamp(scale * 0.03f, 0.55f, 1.0f);
    look.haloOffset = QPointF(0.4, 0.6);
    const float softness = std::clamp(scale * 0.012f, 0.2f, 0.45f);
    return look.render(clumpShape(size).blurred(softness));
}

} // namespace

void paintThickSnow(ArtSink& sink)
{
    for (const ClumpSize& size : clumpSizes)
        sink.add(QStringLiteral("png/%1.png").arg(size.id), clump(size));
}
