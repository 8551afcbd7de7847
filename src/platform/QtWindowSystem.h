#pragma once

#include "platform/WindowSystem.h"

#include <memory>

namespace platform {

class CompositorWatch;
class DesktopLayer;
class StackingKeeper;

// Makes the decoration windows as real windows of the desktop Qt runs on.
class QtWindowSystem final : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;

    // Null when there is no Qt application to own windows.
    std::unique_ptr<OverlaySurface> createOverlay(const OverlayOptions& options) override;

private:
    // All made with the first window on X; the layer, made last, goes first.
    std::unique_ptr<StackingKeeper> m_stacking;
    std::unique_ptr<CompositorWatch> m_compositor;
    std::unique_ptr<DesktopLayer> m_desktopLayer;
};

} // namespace platform
