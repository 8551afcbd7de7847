#include "core/DialogUnits.h"

namespace {

// value * numerator / denominator, rounded half away from zero.
int scaleRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

int DialogUnits::ToPixelsX(int x)
{
    return scaleRounded(x, kBaseUnitX, 4);
}

int DialogUnits::ToPixelsY(int y)
{
    return scaleRounded(y, kBaseUnitY, 8);
}

QPoint DialogUnits::ToPixels(QPoint point)
{
    return {ToPixelsX(point.x()), ToPixelsY(point.y())};
}

QSize DialogUnits::ToPixels(QSize size)
{
    return {ToPixelsX(size.width()), ToPixelsY(size.height())};
}

QRect DialogUnits::ToPixels(const QRect& rect)
{
    const int left = ToPixelsX(rect.x());
    const int top = ToPixelsY(rect.y());
    const int right = ToPixelsX(rect.x() + rect.width());
    const int bottom = ToPixelsY(rect.y() + rect.height());
    return {left, top, right - left, bottom - top};
}
