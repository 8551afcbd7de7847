#pragma once

#include "platform/Scheduler.h"

#include <QObject>

#include <map>
#include <memory>
#include <utility>

class QTimer;

namespace platform {

// Timers on Qt's event loop of the UI thread.
class QtScheduler final : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    TimerId setTimer(const void* owner, TimerId id, uint32_t periodMs,
                     TimerCallback onTick) override;
    bool killTimer(const void* owner, TimerId id) override;
    void killAllTimers(const void* owner) override;
    void post(std::function<void()> onUiThread) override;

private:
    using Key = std::pair<const void*, TimerId>;
    std::map<Key, std::unique_ptr<QTimer>> m_timers;
    TimerId m_nextThreadTimerId = 1;
    QObject m_context; // lives on the UI thread; posted calls run in its thread
};

} // namespace platform
