#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>
#include <QRect>

#include <functional>

#include <vector>

struct _XDisplay;

namespace platform {

// On a desktop without a window manager nothing keeps a window above or
// below the others: every window another program maps or raises lands on
// top. This puts the decoration windows back where they were asked to be
// (on top, or at the bottom) each time another program's window is mapped
// or restacked. Popup menus and tooltips (windows that bypass the window
// manager) stay above. Where a window manager runs it does this job through
// the windows' states, and this does nothing.
// It also keeps a window directly above another of the program's windows,
// with or without a window manager: a window manager raises the window the
// user clicks, and the one that belongs above it follows.
class StackingKeeper final : public QAbstractNativeEventFilter {
public:
    explicit StackingKeeper(_XDisplay* display);
    ~StackingKeeper() override;
    StackingKeeper(const StackingKeeper&) = delete;
    StackingKeeper& operator=(const StackingKeeper&) = delete;

    // The window should stay on top (true) or at the bottom (false).
    void keep(unsigned long window, bool onTop);
    // The window should lie directly above `target`: it is put there now and
    // again each time `target` is restacked. A target of 0 lets go. Every
    // move of the target's outline (its frame, or itself) is told on the
    // way, in screen pixels: a window manager that drags a window may tell
    // the window itself only at the end.
    void keepAbove(unsigned long window, unsigned long target,
                   std::function<void(const QRect& outline)> onTargetMoved);
    // The window (one the window manager leaves alone) should stay below
    // every other window of the screen, with or without a window manager:
    // it is put back at the bottom whenever another window lands there.
    void keepLowest(unsigned long window);
    void forget(unsigned long window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Kept {
        unsigned long window;
        bool onTop;
    };
    struct KeptAbove {
        unsigned long window = 0;
        unsigned long target = 0;
        // The two among the root's children (a window manager's frame, or
        // the window itself), as found at the last restack.
        unsigned long windowTop = 0;
        unsigned long targetTop = 0;
        // The sibling right below targetTop at its last change: a plain move
        // keeps it, a restack changes it.
        unsigned long targetBelow = 0;
        std::function<void(const QRect&)> onTargetMoved;
        // targetTop's rectangle on the screen when last told.
        QRect targetOutline;
    };

    void watchRoot();
    bool isOurs(unsigned long window) const;
    bool windowManagerRuns() const;
    // Whether another restack fits this second's budget.
    bool mayRestack();
    void restack();
    void restackAbove();
    void lowerLowest();
    // Where the windows kept above others and their targets are among the
    // root's children now.
    void findTops();
    unsigned long topLevelOf(unsigned long window) const;

    _XDisplay* m_display;
    QObject m_context; // ends a pending restack with this object
    std::vector<Kept> m_kept;
    std::vector<KeptAbove> m_above;
    unsigned long m_lowest = 0;
    bool m_watching = false;
    bool m_lowerPending = false;
    bool m_restackPending = false;
    bool m_restackAbovePending = false;
    bool m_findTopsPending = false;
    // Another program that keeps its own window on top the same way would
    // restack against us forever; a few restacks a second are all we do.
    QElapsedTimer m_second;
    int m_restacksThisSecond = 0;
};

} // namespace platform
