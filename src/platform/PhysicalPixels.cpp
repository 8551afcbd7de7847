#include "platform/PhysicalPixels.h"

#include <QScreen>

namespace platform {

QRect toPhysicalPixels(const QRect& logical, const QScreen* screen)
{
    if (!screen)
        return logical;
    const qreal dpr = screen->devicePixelRatio();
    return QRect(toPhysicalPixels(logical.topLeft(), screen),
                 QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
}

QPoint toPhysicalPixels(const QPoint& logical, const QScreen* screen)
{
    if (!screen)
        return logical;
    const qreal dpr = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QPoint offset = logical - origin;
    return QPoint(origin.x() + qRound(offset.x() * dpr), origin.y() + qRound(offset.y() * dpr));
}

} // namespace platform
