#include "platform/StackingKeeper.h"

#include "platform/X11Properties.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

#include <xcb/xcb.h>

// Xlib's macros (None, Bool, Status, ...) clash with Qt names; keep them last.
#include <X11/Xlib.h>

namespace platform {

namespace {

constexpr int kRestacksPerSecond = 10;

} // namespace

StackingKeeper::StackingKeeper(Display* display) : m_display(display) {}

StackingKeeper::~StackingKeeper()
{
    if (m_watching && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void StackingKeeper::keep(unsigned long window, bool onTop)
{
    if (!m_display || !window)
        return;
    auto it = std::find_if(m_kept.begin(), m_kept.end(),
                           [window](const Kept& kept) { return kept.window == window; });
    if (it != m_kept.end())
        it->onTop = onTop;
    else
        m_kept.push_back({window, onTop});
    watchRoot();
}

void StackingKeeper::keepAbove(unsigned long window, unsigned long target,
                               std::function<void(const QRect&)> onTargetMoved)
{
    if (!m_display || !window)
        return;
    m_above.erase(std::remove_if(m_above.begin(), m_above.end(),
                                 [window](const KeptAbove& kept) { return kept.window == window; }),
                  m_above.end());
    if (!target)
        return;
    KeptAbove kept;
    kept.window = window;
    kept.target = target;
    kept.onTargetMoved = std::move(onTargetMoved);
    m_above.push_back(std::move(kept));
    watchRoot();
    restackAbove();
}

void StackingKeeper::watchRoot()
{
    if (m_watching || !QCoreApplication::instance())
        return;
    if (addRootEvents(m_display, SubstructureNotifyMask)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_watching = true;
    }
}

void StackingKeeper::keepLowest(unsigned long window)
{
    if (!m_display || !window)
        return;
    m_lowest = window;
    watchRoot();
    XLowerWindow(m_display, m_lowest);
    XFlush(m_display);
}

void StackingKeeper::lowerLowest()
{
    m_lowerPending = false;
    // (Another program that keeps its own window lowest would push back forever.)
    if (!m_lowest || !mayRestack())
        return;
    XLowerWindow(m_display, m_lowest);
    XFlush(m_display);
}

void StackingKeeper::forget(unsigned long window)
{
    if (window == m_lowest)
        m_lowest = 0;
    m_kept.erase(std::remove_if(m_kept.begin(), m_kept.end(),
                                [window](const Kept& kept) { return kept.window == window; }),
                 m_kept.end());
    m_above.erase(std::remove_if(m_above.begin(), m_above.end(),
                                 [window](const KeptAbove& kept) { return kept.window == window; }),
                  m_above.end());
}

bool StackingKeeper::isOurs(unsigned long window) const
{
    return std::any_of(m_kept.begin(), m_kept.end(),
                       [window](const Kept& kept) { return kept.window == window; }) ||
           std::any_of(m_above.begin(), m_above.end(), [window](const KeptAbove& kept) {
               return kept.window == window || kept.windowTop == window;
           });
}

bool StackingKeeper::windowManagerRuns() const
{
    const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == 0)
        return false;
    return readProperty32(m_display, DefaultRootWindow(m_display), check, AnyPropertyType).size() ==
           1;
}

bool StackingKeeper::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || (m_kept.empty() && m_above.empty() && !m_lowest))
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const unsigned long root = DefaultRootWindow(m_display);
    if (m_lowest && (event->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY) {
        // The bottom window has no sibling below it: another window there,
        // or one below ours, puts ours back down.
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        const bool lowest = configure->above_sibling == 0;
        if (configure->event == root && !m_lowerPending &&
            (configure->window == m_lowest) != lowest) {
            m_lowerPending = true;
            QTimer::singleShot(0, &m_context, [this] { lowerLowest(); });
        }
    }
    bool concerns = false;
    bool targetMoved = false;
    bool reframed = false;
    std::vector<std::pair<std::function<void(const QRect&)>, QRect>> moves;
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        concerns = map->event == root && !map->override_redirect && !isOurs(map->window);
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        concerns =
            configure->event == root && !configure->override_redirect && !isOurs(configure->window);
        if (configure->event != root)
            break;
        for (KeptAbove& kept : m_above) {
            if (!kept.targetTop || configure->window != kept.targetTop)
                continue;
            // Right above the window that belongs above it, or somewhere
            // else in the order than before: restacked.
            if (configure->above_sibling == kept.windowTop ||
                configure->above_sibling != kept.targetBelow)
                targetMoved = true;
            kept.targetBelow = configure->above_sibling;
            // Inside its border, as the server tells a window's place.
            const int border = configure->border_width;
            const QRect outline(configure->x + border, configure->y + border, configure->width,
                                configure->height);
            if (outline != kept.targetOutline) {
                kept.targetOutline = outline;
                if (kept.onTargetMoved)
                    moves.emplace_back(kept.onTargetMoved, outline);
            }
        }
        break;
    }
    case XCB_REPARENT_NOTIFY: {
        // A window manager framed the target or let it go. Restacking now
        // would upset a window manager that is about to focus it; the
        // activation that follows places the window again.
        const auto* reparent = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
        for (const KeptAbove& kept : m_above)
            reframed |= reparent->window == kept.target;
        break;
    }
    default:
        break;
    }
    if (concerns && !m_kept.empty() && !m_restackPending) {
        // Once per burst of news, after Qt has handled them.
        m_restackPending = true;
        QTimer::singleShot(0, &m_context, [this] { restack(); });
    }
    if (targetMoved && !m_restackAbovePending) {
        m_restackAbovePending = true;
        QTimer::singleShot(0, &m_context, [this] { restackAbove(); });
    }
    if (reframed && !m_findTopsPending) {
        m_findTopsPending = true;
        QTimer::singleShot(0, &m_context, [this] { findTops(); });
    }
    // Told once this keeper is done with its own lists.
    for (const auto& [told, outline] : moves)
        told(outline);
    return false;
}

bool StackingKeeper::mayRestack()
{
    if (!m_second.isValid() || m_second.elapsed() >= 1000) {
        m_second.start();
        m_restacksThisSecond = 0;
    }
    return ++m_restacksThisSecond <= kRestacksPerSecond;
}

void StackingKeeper::restack()
{
    m_restackPending = false;
    if (m_kept.empty() || windowManagerRuns() || !mayRestack())
        return;
    for (const Kept& kept : m_kept) {
        if (kept.onTop)
            XRaiseWindow(m_display, kept.window);
        else
            XLowerWindow(m_display, kept.window);
    }
    if (m_lowest)
        XLowerWindow(m_display, m_lowest);
    XFlush(m_display);
}

void StackingKeeper::findTops()
{
    m_findTopsPending = false;
    for (KeptAbove& kept : m_above) {
        kept.windowTop = topLevelOf(kept.window);
        const unsigned long targetTop = topLevelOf(kept.target);
        // A new frame is where the window manager put the window, which
        // is no move of it.
        if (targetTop != kept.targetTop) {
            kept.targetOutline = screenRectOf(m_display, targetTop).value_or(QRect());
            kept.targetBelow = 0;
        }
        kept.targetTop = targetTop;
    }
}

void StackingKeeper::restackAbove()
{
    m_restackAbovePending = false;
    if (m_above.empty() || !mayRestack())
        return;
    findTops();
    const ::Window root = DefaultRootWindow(m_display);
    const bool managed = windowManagerRuns();
    for (KeptAbove& kept : m_above) {
        if (managed) {
            // The window manager owns the order of the windows it frames:
            // it is asked the way a pager asks for a user's restack.
            // WORKAROUND: openbox ignores the sibling and raises the window
            // to the top of its layer, which is right above a target it has
            // just raised or activated.
            XEvent request{};
            request.xclient.type = ClientMessage;
            request.xclient.window = kept.window;
            request.xclient.message_type = XInternAtom(m_display, "_NET_RESTACK_WINDOW", False);
            request.xclient.format = 32;
            request.xclient.data.l[0] = 2; // on the user's behalf
            request.xclient.data.l[1] = static_cast<long>(kept.target);
            request.xclient.data.l[2] = Above;
            // Only the window manager hears it: this keeper listens to the
            // root's notifications itself.
            XSendEvent(m_display, root, False, SubstructureRedirectMask, &request);
        } else if (kept.windowTop && kept.targetTop) {
            XWindowChanges changes{};
            changes.sibling = kept.targetTop;
            changes.stack_mode = Above;
            XConfigureWindow(m_display, kept.windowTop, CWSibling | CWStackMode, &changes);
        }
    }
    XFlush(m_display);
}

unsigned long StackingKeeper::topLevelOf(unsigned long window) const
{
    const ::Window root = DefaultRootWindow(m_display);
    ::Window current = window;
    while (current) {
        ::Window treeRoot = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, current, &treeRoot, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == root)
            return current;
        current = parent;
    }
    return 0;
}

} // namespace platform
