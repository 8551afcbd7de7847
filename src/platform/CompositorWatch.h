#pragma once

#include "platform/FollowerList.h"

#include <QAbstractNativeEventFilter>

#include <functional>
#include <vector>

struct _XDisplay;

namespace platform {

// Whether a compositing manager runs on the screen (it owns the screen's
// _NET_WM_CM_S<n> selection), followed while the program runs: compositors
// are switched off, crash and come back. Without one, the X server shows a
// 32-bit window's colour bits as they are and its transparent pixels black.
class CompositorWatch final : public QAbstractNativeEventFilter {
public:
    explicit CompositorWatch(_XDisplay* display);
    ~CompositorWatch() override;
    CompositorWatch(const CompositorWatch&) = delete;
    CompositorWatch& operator=(const CompositorWatch&) = delete;

    bool compositorRuns() const { return m_compositorRuns; }
    // Called with the new state each time a compositor comes or goes; the
    // number it returns ends the call with forget().
    int follow(std::function<void(bool compositorRuns)> changed);
    void forget(int follower);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool ownerExists() const;

    _XDisplay* m_display;
    unsigned long m_selection = 0;
    int m_selectionEvent = -1; // the XFixes selection notification's type; -1 without XFixes
    bool m_compositorRuns = true;
    FollowerList<bool> m_followers;
};

} // namespace platform
