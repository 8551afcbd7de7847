#pragma once

#include <QProcess>
#include <QString>

// A session bus of the test's own (dbus-daemon), so that tests can publish
// services without touching the user's session. Stopped on destruction.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    static bool installed();
    // Empty when the daemon did not start.
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
