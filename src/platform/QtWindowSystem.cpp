#include "platform/QtWindowSystem.h"

#include "platform/CompositorWatch.h"
#include "platform/DesktopLayer.h"
#include "platform/OverlayWindow.h"
#include "platform/QtX11Display.h"
#include "platform/StackingKeeper.h"

#include <QGuiApplication>

namespace platform {

QtWindowSystem::QtWindowSystem() = default;

QtWindowSystem::~QtWindowSystem() = default;

std::unique_ptr<OverlaySurface> QtWindowSystem::createOverlay(const OverlayOptions& options)
{
    if (!qGuiApp)
        return nullptr;
    if (!m_stacking) {
        if (_XDisplay* display = qtX11Display()) {
            m_stacking = std::make_unique<StackingKeeper>(display);
            m_compositor = std::make_unique<CompositorWatch>(display);
            m_desktopLayer =
                std::make_unique<DesktopLayer>(display, m_stacking.get(), m_compositor.get());
        }
    }
    auto window = std::make_unique<OverlayWindow>(options.clickThrough, m_stacking.get(),
                                                  m_compositor.get(), m_desktopLayer.get());
    if (!options.name.isEmpty())
        window->setName(options.name);
    return window;
}

} // namespace platform
