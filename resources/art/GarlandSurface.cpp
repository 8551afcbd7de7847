#include "GarlandSurface.h"

#include "ArtOversample.h"

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
    return ArtOversample::average(m_canvas, m_size, m_oversample);
}
