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
    explicit SessionEndWatcher(std::function<void()> onSessionEnd);
    ~SessionEndWatcher() override;

private:
    void readSignal();

    std::function<void()> m_onSessionEnd;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform
