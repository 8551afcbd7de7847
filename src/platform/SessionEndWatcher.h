#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace platform {

// Tells the program, on its UI thread, that the user's session ends: the
// session manager asks it to save (logout, shutdown), or it gets SIGTERM,
// SIGHUP or SIGINT. Only one watcher may exist at a time.
class SessionEndWatcher final : public QObject {
public:
    enum class Reason {
        // The session manager wants the program's data saved; it ends the
        // program itself afterwards, unless the user cancels the logout.
        SaveRequested,
        // A signal: nobody else will end the program, it has to end itself.
        Terminated,
    };

    explicit SessionEndWatcher(std::function<void(Reason)> onSessionEnd);
    ~SessionEndWatcher() override;

private:
    void readSignal();

    std::function<void(Reason)> m_onSessionEnd;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform
