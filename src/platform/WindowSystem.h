#pragma once

#include "platform/OverlaySurface.h"

#include <memory>

namespace platform {

// Makes the decoration windows.
class WindowSystem {
public:
    struct OverlayOptions {
        bool clickThrough = true; // false for a decoration the user can drag
    };

    virtual ~WindowSystem() = default;

    // Null when no window can be made (no display); the decoration then has no frames.
    virtual std::unique_ptr<OverlaySurface> createOverlay(const OverlayOptions& options) = 0;
};

} // namespace platform
