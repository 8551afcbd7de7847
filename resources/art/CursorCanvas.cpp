#include "CursorCanvas.h"

#include "ArtOversample.h"

#include <algorithm>
#include <cmath>
#include <vector>

CursorCanvas::CursorCanvas(QSize size, int oversample)
    : m_size(size), m_factor(oversample),
      m_large(size * oversample, QImage::Format_ARGB32_Premultiplied)
{
    m_large.fill(Qt::transparent);
    m_painter = std::make_unique<QPainter>(&m_large);
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->scale(m_factor, m_factor);
}

CursorCanvas::~CursorCanvas() = default;

QImage CursorCanvas::finish(double rimWidth, double rimOpacity)
{
    m_painter->end();
    const int width = m_large.width(), height = m_large.height();

    if (rimOpacity > 0) {
        // The rim is the drawing's shape grown by a disc, dark and half clear.
        const int radius = std::max(1, static_cast<int>(std::lround(rimWidth * m_factor)));
        std::vector<int> reach(static_cast<size_t>(2 * radius + 1));
        for (int dy = -radius; dy <= radius; ++dy)
            reach[static_cast<size_t>(dy + radius)] =
                static_cast<int>(std::floor(std::sqrt(double(radius * radius - dy * dy))));
        std::vector<int> alpha(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(m_large.constScanLine(y));
            for (int x = 0; x < width; ++x)
                alpha[static_cast<size_t>(y) * width + x] = qAlpha(row[x]);
        }
        // Grow rows first, then columns within each row's disc width.
        std::vector<int> grown(alpha.size(), 0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int best = 0;
                for (int dy = -radius; dy <= radius && best < 255; ++dy) {
                    const int sy = y + dy;
                    if (sy < 0 || sy >= height)
                        continue;
                    const int span = reach[static_cast<size_t>(dy + radius)];
                    const int* line = alpha.data() + static_cast<size_t>(sy) * width;
                    for (int sx = std::max(0, x - span); sx <= std::min(width - 1, x + span); ++sx)
                        best = std::max(best, line[sx]);
                }
                grown[static_cast<size_t>(y) * width + x] = best;
            }
        }
        QImage rim(m_large.size(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(rim.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int a = static_cast<int>(
                    std::lround(grown[static_cast<size_t>(y) * width + x] * rimOpacity));
                row[x] = qRgba(12 * a / 255, 10 * a / 255, 16 * a / 255, a);
            }
        }
        QPainter under(&rim);
        under.drawImage(0, 0, m_large);
        under.end();
        m_large = rim;
    }

    return ArtOversample::average(m_large, m_size, m_factor);
}
