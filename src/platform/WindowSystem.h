#pragma once

#include "platform/OverlaySurface.h"

#include <QString>

#include <memory>

namespace platform {

// Makes the decoration windows.
class WindowSystem {
public:
    struct OverlayOptions {
        bool clickThrough = true; // false for a decoration the user can drag
        // The window's title, seen only by tools that list windows; none
        // when empty.
        QString name;
    };

    virtual ~WindowSystem() = default;

    // Null when no window can be made (no display); the decoration then has no frames.
    virtual std::unique_ptr<OverlaySurface> createOverlay(const OverlayOptions& options) = 0;
};

} // namespace platform
