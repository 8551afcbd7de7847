#include "platform/QtScheduler.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>

namespace platform {

QtScheduler::QtScheduler() = default;
QtScheduler::~QtScheduler() = default;

Scheduler::TimerId QtScheduler::setTimer(const void* owner, TimerId id, uint32_t periodMs,
                                         TimerCallback onTick)
{
    if (!owner && (id == 0 || !m_timers.count({nullptr, id}))) {
        while (m_timers.count({nullptr, m_nextThreadTimerId}) || m_nextThreadTimerId == 0)
            ++m_nextThreadTimerId;
        id = m_nextThreadTimerId++;
    }
    auto& timer = m_timers[{owner, id}];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
    }
    QObject::disconnect(timer.get(), &QTimer::timeout, nullptr, nullptr);
    // The callback may kill or replace this very timer, so it runs on a copy.
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [onTick = std::move(onTick), id] {
        const auto callback = onTick;
        callback(id);
    });
    timer->start(static_cast<int>(std::max(periodMs, kMinimumPeriodMs)));
    return id;
}

bool QtScheduler::killTimer(const void* owner, TimerId id)
{
    const auto it = m_timers.find({owner, id});
    if (it == m_timers.end())
        return false;
    // Deleting a timer from inside its own timeout is not safe; let Qt do it later.
    it->second->stop();
    it->second.release()->deleteLater();
    m_timers.erase(it);
    return true;
}

void QtScheduler::killAllTimers(const void* owner)
{
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.first == owner) {
            it->second->stop();
            it->second.release()->deleteLater();
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

void QtScheduler::post(std::function<void()> onUiThread)
{
    QMetaObject::invokeMethod(&m_context, std::move(onUiThread), Qt::QueuedConnection);
}

} // namespace platform
