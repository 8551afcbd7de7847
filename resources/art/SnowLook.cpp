#include "SnowLook.h"

#include <algorithm>
#include <cmath>

QImage SnowLook::render(const SnowMask& shape) const
{
    const int width = shape.width();
    const int height = shape.height();
    const SnowMask haloMask =
        shape.shifted(static_cast<float>(haloOffset.x()), static_cast<float>(haloOffset.y()))
            .blurred(haloSigma)
            .combined(shape.blurred(haloSigma * 0.6f).multiplied(0.6f));
    const SnowMask thickness = shape.blurred(volumeSigma);

    const float bodyR = static_cast<float>(body.redF()), bodyG = static_cast<float>(body.greenF()),
                bodyB = static_cast<float>(body.blueF());
    const float rimR = static_cast<float>(rim.redF()), rimG = static_cast<float>(rim.greenF()),
                rimB = static_cast<float>(rim.blueF());
    const float haloR = static_cast<float>(halo.redF()), haloG = static_cast<float>(halo.greenF()),
                haloB = static_cast<float>(halo.blueF());

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float a = std::clamp(shape.at(x, y) * opacity, 0.0f, 1.0f);
            const float h = std::clamp(haloMask.at(x, y) * haloAlpha, 0.0f, 1.0f) * (1.0f - a);
            float mix = 1.0f;
            if (volumeSigma > 0.0f) {
                mix = std::clamp(thickness.at(x, y) / volumeFull, 0.0f, 1.0f);
                mix = std::sqrt(mix);
                const float slope = thickness.at(x + 1, y + 1) - thickness.at(x - 1, y - 1);
                mix = std::clamp(mix + relief * slope, 0.0f, 1.0f);
            }
            const float r = rimR + (bodyR - rimR) * mix;
            const float g = rimG + (bodyG - rimG) * mix;
            const float b = rimB + (bodyB - rimB) * mix;
            const float alpha = a + h;
            auto channel = [](float value) {
                return static_cast<int>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
            };
            line[x] = qRgba(channel(r * a + haloR * h), channel(g * a + haloG * h),
                            channel(b * a + haloB * h), channel(alpha));
        }
    }
    return image;
}
