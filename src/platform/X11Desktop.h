#pragma once

#include "platform/Desktop.h"

#include <QRect>

#include <memory>
#include <vector>

struct _XDisplay;

namespace platform {

class Clock;
class SessionLockWatcher;

// Screens and pointer through Qt, idle time, screen saver and the active
// window straight from the X server (Qt offers none of them), and the screen
// locker's state from the session bus. Without an X
// connection (Qt's offscreen platform, Wayland without X) the X-only answers
// fall back to safe ones: the last input is now (the frost never creeps in),
// no button is held, no screen saver runs, and presence cannot be told.
class X11Desktop final : public Desktop {
public:
    // Each monitor's rectangle in physical pixels.
    static std::vector<QRect> monitorRects(_XDisplay* dpy);
    explicit X11Desktop(Clock& clock);
    ~X11Desktop() override;

    QSize primaryScreenSize() override;
    QRect virtualScreen() override;
    QRect workArea() override;
    bool taskbarAutoHide() override;
    QPoint cursorPos() override;
    bool leftButtonDown() override;
    uint32_t lastInputTick() override;
    bool screenSaverRunning() override;
    std::optional<Presence> userNotificationState() override;

private:
    struct IdleInfo {
        unsigned long idleMs = 0;
        bool screenSaverOn = false;
    };

    struct PointerState {
        QPoint position;
        bool leftButton = false;
    };

    // Qt's own connection when it runs on X, else nullptr.
    static _XDisplay* display();
    static std::optional<PointerState> queryPointer(_XDisplay* dpy);
    std::optional<IdleInfo> queryIdle(_XDisplay* dpy);
    bool activeWindowIsFullScreen(_XDisplay* dpy);

    bool sessionLocked();

    Clock& m_clock;
    std::unique_ptr<SessionLockWatcher> m_sessionLock;
    // The MIT-SCREEN-SAVER check is a round trip; done once per connection.
    _XDisplay* m_checkedDisplay = nullptr;
    bool m_hasScreenSaverExtension = false;
};

} // namespace platform
