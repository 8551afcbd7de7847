#pragma once

#include <QPainter>

#include <functional>
#include <vector>

// How much of each pixel a flake covers, 0..1, kept in floats so that shapes
// can be blurred, shifted and combined before they become a picture.
class SnowMask final {
public:
    SnowMask(int width, int height);

    // Draws a shape `supersample` times larger than the picture and averages it
    // down: tiny flakes get smooth edges without any one pixel looking hard.
    // The painter is scaled so the drawing uses the picture's own pixel units,
    // antialiased, with a white brush and no pen.
    static SnowMask painted(int width, int height, const std::function<void(QPainter&)>& draw,
                            int supersample = 8);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // 0 outside the picture, so blurs and shifts fade out at the border.
    float at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return 0.0f;
        return m_values[static_cast<size_t>(y) * m_width + x];
    }
    // Writable pixel; (x, y) must lie inside the picture.
    float& pixel(int x, int y) { return m_values[static_cast<size_t>(y) * m_width + x]; }

    // Gaussian blur with the given standard deviation in pixels.
    SnowMask blurred(float sigma) const;
    // Moved by a fraction of a pixel (bilinear).
    SnowMask shifted(float dx, float dy) const;
    // The union of both shapes (as if one were laid over the other).
    SnowMask combined(const SnowMask& other) const;
    SnowMask multiplied(float factor) const;

private:
    int m_width;
    int m_height;
    std::vector<float> m_values;
};
