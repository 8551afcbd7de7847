#include "platform/StackingKeeper.h"

#include "platform/X11Properties.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

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
    if (!m_watching && QCoreApplication::instance()) {
        // Added to the events Qt already takes from the root window, never
        // in place of them.
        const ::Window root = DefaultRootWindow(m_display);
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(m_display, root, &attributes)) {
            XSelectInput(m_display, root, attributes.your_event_mask | SubstructureNotifyMask);
            XFlush(m_display);
            QCoreApplication::instance()->installNativeEventFilter(this);
            m_watching = true;
        }
    }
}

void StackingKeeper::forget(unsigned long window)
{
    m_kept.erase(std::remove_if(m_kept.begin(), m_kept.end(),
                                [window](const Kept& kept) { return kept.window == window; }),
                 m_kept.end());
}

bool StackingKeeper::isOurs(unsigned long window) const
{
    return std::any_of(m_kept.begin(), m_kept.end(),
                       [window](const Kept& kept) { return kept.window == window; });
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
    if (m_kept.empty() || m_restackPending || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const unsigned long root = DefaultRootWindow(m_display);
    bool concerns = false;
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
        break;
    }
    default:
        break;
    }
    if (concerns) {
        // Once per burst of news, after Qt has handled them.
        m_restackPending = true;
        QTimer::singleShot(0, &m_context, [this] { restack(); });
    }
    return false;
}

void StackingKeeper::restack()
{
    m_restackPending = false;
    if (m_kept.empty() || windowManagerRuns())
        return;
    if (!m_second.isValid() || m_second.elapsed() >= 1000) {
        m_second.start();
        m_restacksThisSecond = 0;
    }
    if (++m_restacksThisSecond > kRestacksPerSecond)
        return;
    for (const Kept& kept : m_kept) {
        if (kept.onTop)
            XRaiseWindow(m_display, kept.window);
        else
            XLowerWindow(m_display, kept.window);
    }
    XFlush(m_display);
}

} // namespace platform
