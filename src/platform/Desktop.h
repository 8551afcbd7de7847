#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

namespace platform {

// Screens, input and presence, in physical pixels.
class Desktop {
public:
    // Why notifications should stay quiet; values as the system numbers them.
    enum class Presence {
        NotPresent = 1, // screen saver, locked session, another user
        Busy = 2,       // a full-screen program
        RunningD3DFullScreen = 3,
        PresentationMode = 4,
        AcceptsNotifications = 5,
        QuietTime = 6,
        App = 7,
    };

    virtual ~Desktop() = default;

    virtual QSize primaryScreenSize() = 0;
    // The union of all monitors; its origin may be negative.
    virtual QRect virtualScreen() = 0;
    // The primary screen less the panels that reserve space.
    virtual QRect workArea() = 0;
    // Whether the taskbar hides itself; false where the desktop has no such notion.
    virtual bool taskbarAutoHide() = 0;
    // The pointer anywhere on the screen.
    virtual QPoint cursorPos() = 0;
    // The left button held anywhere on the desktop (overlays never see clicks).
    virtual bool leftButtonDown() = 0;
    // The tick (Clock::tickCount) of the last keyboard or mouse input.
    virtual uint32_t lastInputTick() = 0;
    virtual bool screenSaverRunning() = 0;
    // nullopt when no source can tell.
    virtual std::optional<Presence> userNotificationState() = 0;
};

} // namespace platform
