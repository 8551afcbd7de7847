#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace platform {

// Tells the program, on its UI thread, that the user's session ends: the
// session manager asks it to save (logout, shutdown), it gets SIGTERM,
// SIGHUP or SIGINT, or the X connection breaks. Only one watcher may exist
// at a time.
class SessionEndWatcher final : public QObject {
public:
    enum class Reason {
        // The session manager wants the program's data saved; it ends the
        // program itself afterwards, unless the user cancels the logout.
        SaveRequested,
        // A signal: nobody else will end the program, it has to end itself.
        Terminated,
        // The process is ending from under the main loop: Qt and Xlib call
        // exit() when the X connection breaks. The last moment to save;
        // nothing can be shown any more.
        ProcessEnding,
    };

    explicit SessionEndWatcher(std::function<void(Reason)> onSessionEnd);
    ~SessionEndWatcher() override;

private:
    void readSignal();
    static void onProcessExit();

    std::function<void(Reason)> m_onSessionEnd;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform
