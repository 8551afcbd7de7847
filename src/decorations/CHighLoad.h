#pragma once

#include "platform/Scheduler.h"

// Whether the decorations are shown or kept hidden while the user is away or a
// full-screen program runs, and the watcher's once-a-second timer.
struct CHighLoad {
    bool m_bEffectsShown;
    platform::Scheduler::TimerId m_nTimer;
    bool m_bEnabled;
};

// The watcher's tick: decides whether the decorations should show.
void HighLoadTimerProc(platform::Scheduler::TimerId id);
