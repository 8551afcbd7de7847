#include "platform/QtWindowSystem.h"

#include "platform/OverlayWindow.h"
#include "platform/StackingKeeper.h"

#include <QGuiApplication>

namespace platform {

QtWindowSystem::QtWindowSystem() = default;

QtWindowSystem::~QtWindowSystem() = default;

std::unique_ptr<OverlaySurface> QtWindowSystem::createOverlay(const OverlayOptions& options)
{
    if (!qGuiApp)
        return nullptr;
#if QT_CONFIG(xcb)
    if (!m_stacking) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            m_stacking = std::make_unique<StackingKeeper>(x11->display());
    }
#endif
    return std::make_unique<OverlayWindow>(options.clickThrough, m_stacking.get());
}

} // namespace platform
