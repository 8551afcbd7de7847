#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>

namespace platform {

// One borderless decoration window over the desktop: no taskbar entry, never
// takes the focus, per-pixel alpha, and (unless asked otherwise) every click
// goes through it to the windows below. Destroying it closes the window.
class OverlaySurface {
public:
    virtual ~OverlaySurface() = default;

    virtual void setGeometry(const QRect& rect) = 0;
    // Follows the user's drags.
    virtual QRect geometry() = 0;
    // Shows a premultiplied ARGB picture of the window's size at its top-left
    // corner, with an extra constant alpha over all of it.
    virtual void present(const QImage& frame, uint8_t constantAlpha) = 0;
    // Above all normal windows, or below all of them; never moves, sizes or
    // activates the window.
    virtual void setZOrder(bool topmost) = 0;
    virtual void raise() = 0;
    // Lets the window manager move the window with the pointer while the
    // button is held; false when it cannot (the surface then drags itself).
    virtual bool startSystemMove() = 0;

    std::function<void()> onFocusIn;
    std::function<void()> onLeftButtonDown;
};

} // namespace platform
