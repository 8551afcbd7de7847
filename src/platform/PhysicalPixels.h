#pragma once

#include <QPoint>
#include <QRect>

class QScreen;

namespace platform {

// Qt keeps each screen's origin in device pixels and scales only distances
// inside the screen, so a logical rectangle or point on a scaled screen maps
// back to physical pixels around that origin. Without a screen nothing is
// scaled.
QRect toPhysicalPixels(const QRect& logical, const QScreen* screen);
QPoint toPhysicalPixels(const QPoint& logical, const QScreen* screen);

} // namespace platform
