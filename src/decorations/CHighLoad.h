#pragma once

#include "platform/Scheduler.h"

// Whether the decorations are shown or kept hidden while the user is away or a
// full-screen program runs, and the watcher's once-a-second timer.
struct CHighLoad {
    bool m_bEffectsShown;
    platform::Scheduler::TimerId m_nTimer;
    bool m_bEnabled;

    // Takes the decoration windows down (false) or brings back those whose
    // settings are on (true); nothing while the watcher is stopped.
    void ShowEffects(bool bShow);
};

// The watcher's tick: hides the decorations when the user is away or a
// full-screen program runs, and shows them again when that is over.
void HighLoadTimerProc(platform::Scheduler::TimerId id);
