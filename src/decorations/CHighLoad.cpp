#include "decorations/CHighLoad.h"

#include "core/CZelApp.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"

void HighLoadTimerProc(platform::Scheduler::TimerId)
{
    CHighLoad& highLoad = theApp().m_highLoad;
    bool busy = false;
    // A desktop that can't tell counts as not busy: the decorations stay.
    if (platform::Desktop* desktop = platform::Platform::current().desktop) {
        using Presence = platform::Desktop::Presence;
        if (const std::optional<Presence> state = desktop->userNotificationState()) {
            switch (*state) {
            case Presence::NotPresent:
                busy = true;
                break;
            case Presence::Busy:
            case Presence::RunningD3DFullScreen:
            case Presence::PresentationMode:
                busy = highLoad.m_bEnabled;
                break;
            default:
                break;
            }
        }
    }
    if (busy && highLoad.m_bEffectsShown) {
        highLoad.m_bEffectsShown = false;
        highLoad.ShowEffects(false);
    } else if (!busy && !highLoad.m_bEffectsShown) {
        highLoad.m_bEffectsShown = true;
        highLoad.ShowEffects(true);
    }
}

void CHighLoad::ShowEffects(bool bShow)
{
    if (!m_bEnabled)
        return;
    CZelApp& app = theApp();
    DecorationWindow* const windows[] = {app.m_pDlgCursor, app.m_pDlgTree, app.m_pDlgLights,
                                         app.m_pDlgSnow, app.m_pDlgFrost};
    if (!bShow) {
        for (DecorationWindow* window : windows)
            if (window && window->IsWindow())
                window->DestroyWindow();
        return;
    }
    const COptions& options = app.m_options;
    const bool enabled[] = {options.fCursorEnable, options.fTree, options.fGarland != 0,
                            options.fSnow, options.fFrostEnable};
    for (size_t i = 0; i < std::size(windows); ++i)
        if (windows[i] && enabled[i] && !windows[i]->IsWindow())
            windows[i]->Create();
}
