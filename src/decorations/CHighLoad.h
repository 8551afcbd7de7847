#pragma once

#include "platform/Platform.h"
#include "platform/Scheduler.h"

#include <array>

class COptions;
class DecorationWindow;

// Whether the decorations are shown or kept hidden while the user is away or a
// full-screen program runs, and the watcher's once-a-second timer.
class CHighLoad final {
public:
    CHighLoad(const COptions& options, const platform::Platform& services);
    // Stops the watcher's timer if it still runs.
    ~CHighLoad();
    CHighLoad(const CHighLoad&) = delete;
    CHighLoad& operator=(const CHighLoad&) = delete;

    // The windows it takes down and brings back, in the order cursor, tree,
    // garland, snow, frost; they must outlive the watcher's use of them.
    using Decorations = std::array<DecorationWindow*, 5>;
    void SetDecorations(const Decorations& decorations) { m_decorations = decorations; }

    // Starts the watcher (or restarts its timer) / stops it.
    void StartWatcher();
    void StopWatcher();

    // Takes the decoration windows down (false) or brings back those whose
    // settings are on (true); nothing while the watcher is stopped.
    void ShowEffects(bool bShow);

    // The watcher's tick: hides the decorations when the user is away or a
    // full-screen program runs, and shows them again when that is over.
    void HighLoadTimerProc(platform::Scheduler::TimerId id);

    bool m_bEffectsShown = true;
    platform::Scheduler::TimerId m_nTimer = 0;
    bool m_bEnabled = false;

private:
    const COptions& m_options;
    const platform::Platform m_services;
    Decorations m_decorations{};
};
