#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace platform {

// Whether the desktop's screen locker is up, as the session bus tells it:
// org.freedesktop.ScreenSaver (KDE, Xfce, LXQt and others) or
// org.gnome.ScreenSaver. Lockers that blank the screen themselves never show
// in the X server's screen saver state. Never blocks: a call sends fresh
// questions when none are on their way and returns the latest answers, so a
// caller asking once a second is at most one call behind.
class SessionLockWatcher {
public:
    // An empty address means the user's session bus.
    explicit SessionLockWatcher(const QString& busAddress = QString());
    ~SessionLockWatcher();
    SessionLockWatcher(const SessionLockWatcher&) = delete;
    SessionLockWatcher& operator=(const SessionLockWatcher&) = delete;

    // nullopt while no locker has answered: no bus, no such service, or a
    // build without D-Bus.
    std::optional<bool> locked();

private:
    struct Session;
    std::unique_ptr<Session> m_session;
};

} // namespace platform
