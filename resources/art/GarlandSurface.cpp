#include "GarlandSurface.h"

GarlandSurface::GarlandSurface(QSize size, int oversample)
    : m_size(size), m_oversample(oversample),
      m_canvas(size * oversample, QImage::Format_ARGB32_Premultiplied)
{
    m_canvas.fill(Qt::transparent);
}

void GarlandSurface::begin(QPainter& painter)
{
    painter.begin(&m_canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(m_oversample, m_oversample);
}

QImage GarlandSurface::result() const
{
    if (m_oversample == 1)
        return m_canvas;
    // Box-average each oversample x oversample block: exact and free of the
    // ringing a filtered scale could leave round bright bulbs.
    QImage out(m_size, QImage::Format_ARGB32_Premultiplied);
    const int n = m_oversample, area = n * n;
    for (int y = 0; y < m_size.height(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < m_size.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < n; ++sy) {
                const auto* src = reinterpret_cast<const QRgb*>(m_canvas.constScanLine(y * n + sy));
                for (int sx = 0; sx < n; ++sx) {
                    const QRgb p = src[x * n + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            const int half = area / 2;
            dst[x] =
                qRgba((r + half) / area, (g + half) / area, (b + half) / area, (a + half) / area);
        }
    }
    return out;
}
