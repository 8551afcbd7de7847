#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

struct _XDisplay;

// A private X server for desktop tests: Xvfb on a display number the server
// picks itself, plus, on request, openbox, xcompmgr and a tray host. Everything is stopped
// and reaped on destruction. Readiness is awaited through the server's
// display pipe and the window manager's root properties, never by sleeping.
class XServerSession {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 720;

    XServerSession();
    ~XServerSession();
    XServerSession(const XServerSession&) = delete;
    XServerSession& operator=(const XServerSession&) = delete;

    static bool programInstalled(const QString& name);

    // False when Xvfb is missing or did not come up; tests then skip.
    bool available() const { return m_display != nullptr; }
    // ":N", for DISPLAY.
    QString displayName() const { return m_displayName; }
    // The session's own connection, for looking at and creating windows as
    // another program would.
    _XDisplay* display() const { return m_display; }

    // Each returns false when the program is missing or never got ready.
    bool startWindowManager();
    bool startCompositor();
    // A notification area (trayer, an XEmbed tray) along the bottom edge.
    bool startTrayHost();
    // Stops the compositor alone, as a user who switches it off; returns once
    // its selection is gone.
    bool stopCompositor();
    // Stops whichever of the three runs and lets go of any key still held
    // down, so that the next case starts bare.
    void stopHelpers();

    // Runs xdotool with the arguments; whether it succeeded. One that has not
    // ended within the limit (a --sync for a window that never becomes
    // active waits for ever) is killed and counts as failed.
    bool xdotool(const QStringList& arguments, int timeoutMs = 5000) const;
    // Moves the pointer there and clicks the button (1 left, 3 right) once or
    // more, a user's double-click apart.
    bool clickAt(QPoint at, int button = 1, int times = 1) const;

    // The session the running test program uses; null when Xvfb is missing
    // and tests must skip.
    static XServerSession*& current()
    {
        static XServerSession* session = nullptr;
        return session;
    }

private:
    void releaseHeldKeys() const;
    pid_t spawn(const QStringList& command) const;
    static void stop(pid_t& pid);
    bool ownsSelection(const char* selection) const;
    // Starts a helper program and waits until it is ready or gone.
    bool startHelper(pid_t& pid, const QStringList& command, const std::function<bool()>& ready);

    pid_t m_serverPid = -1;
    pid_t m_windowManagerPid = -1;
    pid_t m_compositorPid = -1;
    pid_t m_trayHostPid = -1;
    QString m_displayName;
    _XDisplay* m_display = nullptr;
};

// In a fixture's SetUp: skips the test without Xvfb, fails it when the
// server did not start, else stores the session in `session`.
#define REQUIRE_X_SERVER(session)                                                                  \
    if (!XServerSession::current())                                                                \
        GTEST_SKIP() << "Xvfb is not installed";                                                   \
    (session) = XServerSession::current();                                                         \
    ASSERT_TRUE((session)->available()) << "Xvfb did not start"

// Skips the test when one of the desktop programs it needs is not installed.
#define REQUIRE_PROGRAM(name)                                                                      \
    if (!XServerSession::programInstalled(QStringLiteral(name)))                                   \
    GTEST_SKIP() << name " is not installed"
