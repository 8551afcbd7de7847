#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>

// Small drawing helpers shared by the snow pictures.
namespace SnowShapes {

// Repeats `arm` round `centre`: snow crystals grow the same arm in each of
// their six (or n) directions. The arm is drawn pointing up from (0, 0).
inline void radial(QPainter& painter, QPointF centre, int count, double startDegrees,
                   const std::function<void(QPainter&)>& arm)
{
    for (int i = 0; i < count; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(startDegrees + 360.0 * i / count);
        arm(painter);
        painter.restore();
    }
}

// A white stroke with round ends, the basic crystal needle.
inline void needle(QPainter& painter, QPointF from, QPointF to, double width)
{
    painter.save();
    painter.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.restore();
}

inline void disc(QPainter& painter, QPointF centre, double radius)
{
    painter.drawEllipse(centre, radius, radius);
}

// A regular polygon with `corners` corners, the first one pointing up.
inline QPolygonF regular(QPointF centre, double radius, int corners, double startDegrees = 0.0)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double angle = (startDegrees + 360.0 * i / corners - 90.0) * std::numbers::pi / 180.0;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

// A picture filled from a list of premultiplied pixels, row by row: the
// one-to-three-pixel flakes are set by hand, pixel by pixel.
inline QImage fromPixels(int width, int height, std::initializer_list<QRgb> pixels)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    auto it = pixels.begin();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, *it++);
    return image;
}

// Premultiplies a colour given as plain RGB and alpha 0..255.
inline QRgb premultiplied(int r, int g, int b, int a)
{
    return qPremultiply(qRgba(r, g, b, a));
}

} // namespace SnowShapes
