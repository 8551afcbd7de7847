#include "platform/QtWindowSystem.h"

#include "platform/OverlayWindow.h"

#include <QGuiApplication>

namespace platform {

std::unique_ptr<OverlaySurface> QtWindowSystem::createOverlay(const OverlayOptions& options)
{
    if (!qGuiApp)
        return nullptr;
    return std::make_unique<OverlayWindow>(options.clickThrough);
}

} // namespace platform
