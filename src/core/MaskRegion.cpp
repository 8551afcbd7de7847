#include "core/MaskRegion.h"

#include <vector>

namespace {

constexpr QRgb kTransparentMaskColour = 0xFFFFFF;

bool BelongsToButton(const QImage& mask, int x, int y)
{
    return (mask.pixel(x, y) & 0xFFFFFF) != kTransparentMaskColour;
}

} // namespace

std::optional<QRegion> RegionFromMask(const QImage& mask)
{
    if (mask.isNull())
        return std::nullopt;

    const int width = mask.width();
    const int height = mask.height();
    std::vector<QRect> runs;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            if (!BelongsToButton(mask, x, y)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < width && BelongsToButton(mask, x, y))
                ++x;
            // A run never wraps into the next row: it ends at the row's last pixel.
            runs.emplace_back(QPoint(first, y), QPoint(x - 1, y));
        }
    }

    QRegion region;
    for (const QRect& run : runs)
        region += run;
    return region;
}
