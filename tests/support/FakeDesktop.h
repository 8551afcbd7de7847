#pragma once

#include "platform/Desktop.h"

// Screens, input and presence as a test sets them. Defaults: one 1920x1080
// monitor with a 40-pixel panel at the bottom, no input since tick 0.
class FakeDesktop final : public platform::Desktop {
public:
    QSize primaryScreenSize() override { return m_primary; }
    QRect virtualScreen() override { return m_virtual; }
    QRect workArea() override { return m_workArea; }
    bool taskbarAutoHide() override { return m_autoHide; }
    QPoint cursorPos() override { return m_cursor; }
    bool leftButtonDown() override { return m_leftButton; }
    uint32_t lastInputTick() override { return m_lastInput; }
    bool screenSaverRunning() override { return m_screenSaver; }
    std::optional<Presence> userNotificationState() override { return m_presence; }

    QSize m_primary{1920, 1080};
    QRect m_virtual{0, 0, 1920, 1080};
    QRect m_workArea{0, 0, 1920, 1040};
    bool m_autoHide = false;
    QPoint m_cursor{960, 540};
    bool m_leftButton = false;
    uint32_t m_lastInput = 0;
    bool m_screenSaver = false;
    std::optional<Presence> m_presence = Presence::AcceptsNotifications;
};
