#pragma once

#include <algorithm>

// Soft transitions for fading flakes in and out and thinning frost at its edge.
namespace ArtEasing {

// 0 at edge0, 1 at edge1, an S-curve between with no jump at either end.
// edge0 may be above edge1 for a curve that falls instead.
inline double smoothStep(double edge0, double edge1, double value)
{
    const double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace ArtEasing
