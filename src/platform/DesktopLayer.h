#pragma once

#include "platform/FollowerList.h"

#include <QAbstractNativeEventFilter>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

struct _XDisplay;

namespace platform {

class CompositorWatch;
class OverlayWindow;
class StackingKeeper;

// Where no compositing manager runs, the X server shows a 32-bit window's
// transparent pixels black, so a decoration window must be cut to the pixels
// it shows. Every such cut window makes each repaint of the desktop under it
// cost the server a pass over all their rectangles: thousands for a garland
// round the screen, with falling snow uncovering hundreds of places a frame.
// The click-through decorations that lie on the desktop are therefore shown
// together in one plain window at the bottom of the screen whose background
// is the desktop's own: their pictures, in their order, are blended over it
// by the server, box by box where they change. Nothing is cut and the desktop
// is never uncovered. A compositor, or a desktop-icons window (which would
// lie under that window), ends this; the members then show themselves again.
class DesktopLayer final : public QAbstractNativeEventFilter {
public:
    // Both must outlive the layer.
    DesktopLayer(_XDisplay* display, StackingKeeper* stacking, CompositorWatch* compositor);
    ~DesktopLayer() override;
    DesktopLayer(const DesktopLayer&) = delete;
    DesktopLayer& operator=(const DesktopLayer&) = delete;

    // Whether decorations on the desktop are to be shown through the layer.
    bool available() const;
    // Called each time a desktop-icons window comes or goes (the compositor
    // is followed through its own watch); the number ends it with forget().
    int follow(std::function<void()> changed);
    void forget(int follower);

    // Shows a member's picture (premultiplied ARGB, kept up to date by the
    // member at the same address until it leaves) at its place on the
    // screen, below the other members.
    void join(const void* member, const QRect& rect, const QImage* picture);
    void leave(const void* member);
    void move(const void* member, const QRect& rect);
    // Above (true) or below all other members.
    void restack(const void* member, bool top);
    // The part of the member's picture (its own coordinates) that changed.
    void update(const void* member, const QRegion& changed);

    // The layer's X window; 0 while no member shows.
    unsigned long nativeWindowId() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    static constexpr int kRefreshPeriodMs = 10000;

private:
    struct Member {
        const void* key;
        QRect rect;
        const QImage* picture;
    };

    std::vector<Member>::iterator find(const void* member);
    // Blends the members over the background within this part of the screen.
    void redraw(const QRegion& screenArea);
    // The layer's window over every monitor, made or fitted to them.
    bool fitWindow(const QRect& needed);
    bool desktopWindowShows() const;
    void checkDesktopWindow();

    _XDisplay* m_display;
    StackingKeeper* m_stacking;
    CompositorWatch* m_compositor;
    bool m_blendingWorks = false;
    bool m_desktopWindow = false;
    bool m_checkPending = false;
    bool m_repaintPending = false;
    unsigned long m_clientListAtom = 0;
    // Properties that programs setting the desktop's background change on
    // the root window.
    std::vector<unsigned long> m_backgroundAtoms;
    QObject m_context; // ends a pending check with this object
    // Repaints the whole layer now and then: some programs set the desktop's
    // background without telling anyone.
    QTimer m_refresh;
    std::vector<Member> m_members; // bottom first
    std::unique_ptr<OverlayWindow> m_window;
    QRect m_rect; // the window's place on the screen
    FollowerList<> m_followers;
};

} // namespace platform
