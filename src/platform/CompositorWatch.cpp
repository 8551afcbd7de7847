#include "platform/CompositorWatch.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <string>

// Xlib's macros (None, Bool, Status, ...) clash with Qt names; keep them last.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

// XFixes' selection notification as it comes over the wire (libxcb-xfixes
// is not needed for four fields).
struct SelectionNotifyEvent {
    uint8_t responseType;
    uint8_t subtype;
    uint16_t sequence;
    uint32_t window;
    uint32_t owner;
    uint32_t selection;
};

} // namespace

CompositorWatch::CompositorWatch(Display* display) : m_display(display)
{
    if (!m_display)
        return;
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(m_display));
    m_selection = XInternAtom(m_display, name.c_str(), False);
    m_compositorRuns = ownerExists();
    int eventBase = 0;
    int errorBase = 0;
    if (!QCoreApplication::instance() || !XFixesQueryExtension(m_display, &eventBase, &errorBase))
        return; // the state at the start is all we know
    // The server tells every change of owner, so following costs nothing
    // between changes.
    XFixesSelectSelectionInput(m_display, DefaultRootWindow(m_display), m_selection,
                               XFixesSetSelectionOwnerNotifyMask |
                                   XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    XFlush(m_display);
    m_selectionEvent = eventBase + XFixesSelectionNotify;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

CompositorWatch::~CompositorWatch()
{
    if (m_selectionEvent >= 0 && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CompositorWatch::ownerExists() const
{
    return XGetSelectionOwner(m_display, m_selection) != 0;
}

int CompositorWatch::follow(std::function<void(bool)> changed)
{
    return m_followers.add(std::move(changed));
}

void CompositorWatch::forget(int follower)
{
    m_followers.remove(follower);
}

bool CompositorWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != m_selectionEvent)
        return false;
    // Qt follows selections for its own use too; the event is left to it.
    const auto* notify = static_cast<const SelectionNotifyEvent*>(message);
    if (notify->selection != m_selection)
        return false;
    const bool runs = notify->subtype == XFixesSetSelectionOwnerNotify && notify->owner != 0;
    if (runs == m_compositorRuns)
        return false;
    m_compositorRuns = runs;
    m_followers.tell(runs);
    return false;
}

} // namespace platform
