#include "SnowMask.h"

#include <algorithm>
#include <cmath>

SnowMask::SnowMask(int width, int height)
    : m_width(width), m_height(height),
      m_values(static_cast<size_t>(width) * static_cast<size_t>(height), 0.0f)
{
}

SnowMask SnowMask::painted(int width, int height, const std::function<void(QPainter&)>& draw,
                           int supersample)
{
    QImage large(width * supersample, height * supersample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.scale(supersample, supersample);
        draw(painter);
    }
    SnowMask mask(width, height);
    const float norm = 1.0f / (255.0f * supersample * supersample);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int sy = 0; sy < supersample; ++sy) {
                const QRgb* line =
                    reinterpret_cast<const QRgb*>(large.constScanLine(y * supersample + sy));
                for (int sx = 0; sx < supersample; ++sx)
                    sum += qAlpha(line[x * supersample + sx]);
            }
            mask.pixel(x, y) = static_cast<float>(sum) * norm;
        }
    }
    return mask;
}

SnowMask SnowMask::blurred(float sigma) const
{
    if (sigma <= 0.0f)
        return *this;
    const int radius = static_cast<int>(std::ceil(sigma * 3.0f));
    std::vector<float> kernel(static_cast<size_t>(2 * radius + 1));
    float total = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        kernel[static_cast<size_t>(i + radius)] = std::exp(-0.5f * i * i / (sigma * sigma));
        total += kernel[static_cast<size_t>(i + radius)];
    }
    for (float& k : kernel)
        k /= total;

    SnowMask across(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            float sum = 0.0f;
            for (int i = -radius; i <= radius; ++i)
                sum += kernel[static_cast<size_t>(i + radius)] * at(x + i, y);
            across.pixel(x, y) = sum;
        }
    SnowMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            float sum = 0.0f;
            for (int i = -radius; i <= radius; ++i)
                sum += kernel[static_cast<size_t>(i + radius)] * across.at(x, y + i);
            result.pixel(x, y) = sum;
        }
    return result;
}

SnowMask SnowMask::shifted(float dx, float dy) const
{
    SnowMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const float sx = static_cast<float>(x) - dx;
            const float sy = static_cast<float>(y) - dy;
            const int x0 = static_cast<int>(std::floor(sx));
            const int y0 = static_cast<int>(std::floor(sy));
            const float fx = sx - static_cast<float>(x0);
            const float fy = sy - static_cast<float>(y0);
            result.pixel(x, y) = (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) +
                                 (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
        }
    return result;
}

SnowMask SnowMask::combined(const SnowMask& other) const
{
    SnowMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const float a = at(x, y);
            const float b = other.at(x, y);
            result.pixel(x, y) = a + b * (1.0f - a);
        }
    return result;
}

SnowMask SnowMask::multiplied(float factor) const
{
    SnowMask result(*this);
    for (float& value : result.m_values)
        value = std::clamp(value * factor, 0.0f, 1.0f);
    return result;
}
