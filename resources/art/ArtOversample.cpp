#include "ArtOversample.h"

namespace ArtOversample {

QImage average(const QImage& large, QSize size, int factor)
{
    QImage small(size, QImage::Format_ARGB32_Premultiplied);
    const int samples = factor * factor;
    const int half = samples / 2;
    for (int y = 0; y < size.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto* in =
                    reinterpret_cast<const QRgb*>(large.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb pixel = in[x * factor + sx];
                    a += qAlpha(pixel);
                    r += qRed(pixel);
                    g += qGreen(pixel);
                    b += qBlue(pixel);
                }
            }
            out[x] = qRgba((r + half) / samples, (g + half) / samples, (b + half) / samples,
                           (a + half) / samples);
        }
    }
    return small;
}

} // namespace ArtOversample
