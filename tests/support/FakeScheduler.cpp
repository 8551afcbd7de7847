#include "support/FakeScheduler.h"

#include "support/FakeClock.h"

#include <algorithm>

FakeScheduler::TimerId FakeScheduler::setTimer(const void* owner, TimerId id, uint32_t periodMs,
                                               TimerCallback onTick)
{
    if (!owner && (id == 0 || !m_timers.count({nullptr, id}))) {
        while (m_timers.count({nullptr, m_nextThreadTimerId}))
            ++m_nextThreadTimerId;
        id = m_nextThreadTimerId++;
    }
    const uint32_t period = std::max(periodMs, kMinimumPeriodMs);
    m_timers[{owner, id}] = Timer{period, m_now + period, std::move(onTick)};
    return id;
}

bool FakeScheduler::killTimer(const void* owner, TimerId id)
{
    return m_timers.erase({owner, id}) > 0;
}

void FakeScheduler::killAllTimers(const void* owner)
{
    std::erase_if(m_timers, [owner](const auto& entry) { return entry.first.first == owner; });
}

void FakeScheduler::post(std::function<void()> onUiThread)
{
    const std::lock_guard lock(m_postedMutex);
    m_posted.push_back(std::move(onUiThread));
}

size_t FakeScheduler::drainPosted()
{
    size_t ran = 0;
    for (;;) {
        std::function<void()> function;
        {
            const std::lock_guard lock(m_postedMutex);
            if (m_posted.empty())
                return ran;
            function = std::move(m_posted.front());
            m_posted.pop_front();
        }
        function();
        ++ran;
    }
}

void FakeScheduler::advance(uint32_t ms)
{
    const uint64_t end = m_now + ms;
    for (;;) {
        auto next =
            std::min_element(m_timers.begin(), m_timers.end(), [](const auto& a, const auto& b) {
                return a.second.due < b.second.due;
            });
        if (next == m_timers.end() || next->second.due > end)
            break;
        const uint64_t due = next->second.due;
        m_clock.advance(static_cast<uint32_t>(due - m_now));
        m_now = due;
        next->second.due += next->second.period;
        // The callback may replace or kill its own timer.
        const TimerCallback callback = next->second.onTick;
        callback(next->first.second);
    }
    m_clock.advance(static_cast<uint32_t>(end - m_now));
    m_now = end;
}

bool FakeScheduler::isRunning(const void* owner, TimerId id) const
{
    return m_timers.count({owner, id}) > 0;
}

uint32_t FakeScheduler::periodOf(const void* owner, TimerId id) const
{
    const auto it = m_timers.find({owner, id});
    return it == m_timers.end() ? 0 : it->second.period;
}
