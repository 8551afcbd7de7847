#include "ArtColour.h"

#include <algorithm>

namespace ArtColour {

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor colour, double alpha)
{
    colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return colour;
}

QColor scaled(const QColor& colour, double f)
{
    return QColor::fromRgbF(static_cast<float>(std::min(1.0, colour.redF() * f)),
                            static_cast<float>(std::min(1.0, colour.greenF() * f)),
                            static_cast<float>(std::min(1.0, colour.blueF() * f)), colour.alphaF());
}

} // namespace ArtColour
