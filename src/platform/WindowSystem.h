#pragma once

#include "platform/OverlaySurface.h"

#include <functional>
#include <memory>

namespace platform {

class WindowSystem {
public:
    struct OverlayOptions {
        bool clickThrough = true; // false for a decoration the user can drag
    };

    virtual ~WindowSystem() = default;

    virtual std::unique_ptr<OverlaySurface> createOverlay(const OverlayOptions& options) = 0;

    // The program became the active application.
    std::function<void()> onApplicationActivated;
};

} // namespace platform
