#pragma once

#include "platform/WindowSystem.h"

namespace platform {

// Makes the decoration windows as real windows of the desktop Qt runs on.
class QtWindowSystem final : public WindowSystem {
public:
    // Null when there is no Qt application to own windows.
    std::unique_ptr<OverlaySurface> createOverlay(const OverlayOptions& options) override;
};

} // namespace platform
