#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>

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
class StackingKeeper final : public QAbstractNativeEventFilter {
public:
    explicit StackingKeeper(_XDisplay* display);
    ~StackingKeeper() override;
    StackingKeeper(const StackingKeeper&) = delete;
    StackingKeeper& operator=(const StackingKeeper&) = delete;

    // The window should stay on top (true) or at the bottom (false).
    void keep(unsigned long window, bool onTop);
    void forget(unsigned long window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Kept {
        unsigned long window;
        bool onTop;
    };

    bool isOurs(unsigned long window) const;
    bool windowManagerRuns() const;
    void restack();

    _XDisplay* m_display;
    QObject m_context; // ends a pending restack with this object
    std::vector<Kept> m_kept;
    bool m_watching = false;
    bool m_restackPending = false;
    // Another program that keeps its own window on top the same way would
    // restack against us forever; a few restacks a second are all we do.
    QElapsedTimer m_second;
    int m_restacksThisSecond = 0;
};

} // namespace platform
