#pragma once

#include <QImage>
#include <QRect>

// How many pixels of the picture, within the area (all of it when none is
// given), are more opaque than the alpha given.
inline int paintedPixels(const QImage& image, const QRect& area = QRect(), int aboveAlpha = 0)
{
    const QRect inside = area.isNull() ? image.rect() : area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += qAlpha(image.pixel(x, y)) > aboveAlpha ? 1 : 0;
    return count;
}
