#include "GarlandOverlap.h"

#include <algorithm>
#include <cmath>

namespace {

// A premultiplied pixel p drawn over itself gives p * (2 - a). Solving
// b (2 - b) = a for the thinned alpha b, every channel is divided by 2 - b.
QRgb thinned(QRgb pixel)
{
    const int alpha = qAlpha(pixel);
    if (alpha == 0 || alpha == 255)
        return pixel;
    const double single = 1.0 - std::sqrt(1.0 - alpha / 255.0);
    const double factor = 1.0 / (2.0 - single);
    const int a = std::clamp(int(std::lround(alpha * factor)), 1, 255);
    auto channel = [&](int value) { return std::min(a, int(std::lround(value * factor))); };
    return qRgba(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)), a);
}

} // namespace

void shareGarlandOverlap(QImage& piece, Qt::Orientation run, int overlap)
{
    piece = piece.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int length = run == Qt::Horizontal ? piece.width() : piece.height();
    for (int y = 0; y < piece.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x) {
            const int along = run == Qt::Horizontal ? x : y;
            if (along < overlap || along >= length - overlap)
                line[x] = thinned(line[x]);
        }
    }
}
