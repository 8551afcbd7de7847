#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <functional>

class QWindow;

namespace platform {

// One borderless decoration window over the desktop: no taskbar entry, never
// takes the focus, per-pixel alpha, and (unless asked otherwise) every click
// goes through it to the windows below. Destroying it closes the window.
class OverlaySurface {
public:
    virtual ~OverlaySurface() = default;

    // Places the window and shows it, without activating it.
    virtual void setGeometry(const QRect& rect) = 0;
    // Where the window is now; follows the user's drags.
    virtual QRect geometry() = 0;
    // Shows a premultiplied ARGB picture of the window's size at the window's
    // top-left corner, with an extra constant alpha over all of it. Only the
    // changed area (window coordinates) differs from the previous picture; the
    // rest of the screen copy may be kept. A changed constant alpha or size
    // comes with the whole window as the changed area.
    virtual void present(const QImage& frame, const QRegion& changed, uint8_t constantAlpha) = 0;
    // Memory the window shows from, so that a frame at full constant alpha
    // can be painted there in place and present() need not copy it: a
    // premultiplied ARGB picture of the given size that keeps what was
    // painted into it from one frame to the next. Null (the default) when
    // the frame must be handed over in present(). Asking again waits until
    // the screen has taken the previous frame. `blank` tells whether the
    // picture is new and still fully transparent, so that painting it need
    // not clear it first.
    virtual QImage* frameBuffer(const QSize& size, bool& blank)
    {
        static_cast<void>(size);
        blank = false;
        return nullptr;
    }
    // Only this part of the window (window coordinates) is shown at all;
    // the rest is left out of the window's shape, so the desktop's compositor
    // never blends it over the screen. Until the first call the whole window
    // is shown; an empty area shows nothing. Clicks are not affected.
    virtual void setVisibleArea(const QRegion& area) { static_cast<void>(area); }
    // Above all normal windows, or below all of them; never moves, sizes or
    // activates the window.
    virtual void setZOrder(bool topmost) = 0;
    // To the top of its layer (above the window that was just activated).
    virtual void raise() = 0;
    // Directly above that window of the program in the window order, and
    // back there each time the window is restacked (a window manager raises
    // the window the user clicks or starts to drag); null lets go. Never
    // moves, sizes or activates either window. Nothing while the other
    // window has no native window yet. True when onKeptAboveMoved will tell
    // of every move of that window from now on.
    virtual bool keepAbove(QWindow* window) = 0;
    // Lets the window manager move the window with the pointer while the
    // button is held; false when it cannot (the surface then drags itself).
    virtual bool startSystemMove() = 0;

    // The window got the keyboard focus (only a window that takes clicks can).
    std::function<void()> onFocusIn;
    // The program became (true) or stopped being (false) the active application.
    std::function<void(bool active)> onApplicationActivation;
    // The left button went down on the window, at a point in window coordinates.
    std::function<void(QPoint)> onLeftButtonDown;
    // The window it is kept above moved, also while a window manager drags
    // it without telling that window (openbox tells it only at the end): its
    // outline, frame and all, in physical pixels.
    std::function<void(const QRect& outline)> onKeptAboveMoved;
};

} // namespace platform
