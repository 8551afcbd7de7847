#include "decorations/CHighLoad.h"

#include "core/COptions.h"
#include "decorations/DecorationWindow.h"
#include "platform/Desktop.h"

namespace {

constexpr uint32_t kWatchPeriodMs = 1000;

} // namespace

CHighLoad::CHighLoad(const COptions& options, const platform::Platform& services)
    : m_options(options), m_services(services)
{
}

CHighLoad::~CHighLoad()
{
    if (m_nTimer != 0)
        m_services.scheduler->killTimer(nullptr, m_nTimer);
}

void CHighLoad::StartWatcher()
{
    // Passing the running timer's id restarts that timer instead of adding one.
    m_nTimer = m_services.scheduler->setTimer(
        nullptr, m_nTimer, kWatchPeriodMs,
        [this](platform::Scheduler::TimerId id) { HighLoadTimerProc(id); });
    m_bEnabled = true;
}

void CHighLoad::StopWatcher()
{
    if (m_nTimer != 0) {
        m_services.scheduler->killTimer(nullptr, m_nTimer);
        m_nTimer = 0;
    }
    m_bEnabled = false;
}

void CHighLoad::HighLoadTimerProc(platform::Scheduler::TimerId)
{
    bool busy = false;
    // A desktop that can't tell counts as not busy: the decorations stay.
    using Presence = platform::Desktop::Presence;
    if (const std::optional<Presence> state = m_services.desktop->userNotificationState()) {
        switch (*state) {
        case Presence::NotPresent:
            busy = true;
            break;
        case Presence::Busy:
        case Presence::RunningD3DFullScreen:
        case Presence::PresentationMode:
            busy = m_bEnabled;
            break;
        default:
            break;
        }
    }
    if (busy && m_bEffectsShown) {
        m_bEffectsShown = false;
        ShowEffects(false);
    } else if (!busy && !m_bEffectsShown) {
        m_bEffectsShown = true;
        ShowEffects(true);
    }
}

void CHighLoad::ShowEffects(bool bShow)
{
    if (!m_bEnabled)
        return;
    if (!bShow) {
        for (DecorationWindow* window : m_decorations)
            if (window && window->IsWindow())
                window->DestroyWindow();
        return;
    }
    const bool enabled[] = {m_options.fCursorEnable, m_options.fTree, m_options.fGarland != 0,
                            m_options.fSnow, m_options.fFrostEnable};
    for (size_t i = 0; i < m_decorations.size(); ++i)
        if (m_decorations[i] && enabled[i] && !m_decorations[i]->IsWindow())
            m_decorations[i]->Create();
}
