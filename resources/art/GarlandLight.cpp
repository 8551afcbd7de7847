#include "GarlandLight.h"

#include "ArtColour.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

void paintHalo(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
               const QColor& colour, qreal peakAlpha)
{
    QRadialGradient gradient(QPointF(0, 0), 1.0);
    const int steps = 14;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        // exp(-4.5 t^2) reaches about 1% at the rim; the last stop is 0 so no
        // hard ring shows where the halo ends.
        const qreal a = i == steps ? 0.0 : peakAlpha * std::exp(-4.5 * t * t);
        gradient.setColorAt(t, ArtColour::withAlpha(colour, a));
    }
    painter.save();
    painter.translate(centre);
    painter.scale(radiusX, radiusY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    painter.restore();
}

namespace {

void boxBlurLine(const float* in, float* out, int count, int stride, int radius)
{
    const float scale = 1.0f / float(2 * radius + 1);
    float sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += in[std::clamp(i, 0, count - 1) * stride];
    for (int i = 0; i < count; ++i) {
        out[i * stride] = sum * scale;
        const int add = std::min(i + radius + 1, count - 1);
        const int drop = std::max(i - radius, 0);
        sum += in[add * stride] - in[drop * stride];
    }
}

} // namespace

QImage glowFromAlpha(const QImage& shape, int radius, const QColor& colour, qreal strength)
{
    const int w = shape.width(), h = shape.height();
    // Blurring against transparent surroundings: pad so light near the edge
    // fades instead of piling up against the border.
    std::vector<float> a(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
        for (int x = 0; x < w; ++x)
            a[size_t(y) * w + x] = float(qAlpha(line[x])) / 255.0f;
    }
    auto blurPadded = [&](float* data, int count, int stride) {
        const int pad = 2 * radius;
        std::vector<float> in(size_t(count + 2 * pad), 0.0f), out(in.size());
        for (int i = 0; i < count; ++i)
            in[size_t(i + pad)] = data[i * stride];
        boxBlurLine(in.data(), out.data(), int(in.size()), 1, radius);
        for (int i = 0; i < count; ++i)
            data[i * stride] = out[size_t(i + pad)];
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            blurPadded(&a[size_t(y) * w], w, 1);
        for (int x = 0; x < w; ++x)
            blurPadded(&a[size_t(x)], h, w);
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float alpha = std::clamp(
                float(strength) * a[size_t(y) * w + x] * float(colour.alphaF()), 0.0f, 1.0f);
            line[x] = qRgba(int(colour.red() * alpha + 0.5f), int(colour.green() * alpha + 0.5f),
                            int(colour.blue() * alpha + 0.5f), int(255 * alpha + 0.5f));
        }
    }
    return out;
}
