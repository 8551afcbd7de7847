#include "platform/DesktopLayer.h"

#include "platform/CompositorWatch.h"
#include "platform/OverlayWindow.h"
#include "platform/X11Desktop.h"
#include "platform/X11Properties.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

#include <algorithm>

#include <xcb/xcb.h>

// Xlib's macros (None, Bool, Status, ...) clash with Qt names; keep them last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>

namespace platform {

DesktopLayer::DesktopLayer(Display* display, StackingKeeper* stacking, CompositorWatch* compositor)
    : m_display(display), m_stacking(stacking), m_compositor(compositor)
{
    if (!m_display || !QCoreApplication::instance())
        return;
    int eventBase = 0;
    int errorBase = 0;
    XVisualInfo argb{};
    // The pictures are blended by the server (XRender) from a 32-bit
    // picture onto a window of the root's depth, whose background can then
    // be the root's.
    m_blendingWorks = XRenderQueryExtension(m_display, &eventBase, &errorBase) &&
                      XMatchVisualInfo(m_display, DefaultScreen(m_display), 32, TrueColor, &argb) &&
                      DefaultDepth(m_display, DefaultScreen(m_display)) == 24;
    if (!m_blendingWorks)
        return;
    m_clientListAtom = XInternAtom(m_display, "_NET_CLIENT_LIST", False);
    for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID", "_XSETROOT_ID"})
        m_backgroundAtoms.push_back(XInternAtom(m_display, name, False));
    addRootEvents(m_display, PropertyChangeMask);
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_desktopWindow = desktopWindowShows();
    m_refresh.setInterval(kRefreshPeriodMs);
    QObject::connect(&m_refresh, &QTimer::timeout, &m_context, [this] { redraw(m_rect); });
}

DesktopLayer::~DesktopLayer()
{
    if (m_blendingWorks && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DesktopLayer::available() const
{
    return m_blendingWorks && !m_desktopWindow && m_compositor && !m_compositor->compositorRuns();
}

int DesktopLayer::follow(std::function<void()> changed)
{
    return m_followers.add(std::move(changed));
}

void DesktopLayer::forget(int follower)
{
    m_followers.remove(follower);
}

unsigned long DesktopLayer::nativeWindowId() const
{
    return m_window ? m_window->nativeWindowId() : 0;
}

std::vector<DesktopLayer::Member>::iterator DesktopLayer::find(const void* member)
{
    return std::find_if(m_members.begin(), m_members.end(),
                        [member](const Member& m) { return m.key == member; });
}

void DesktopLayer::join(const void* member, const QRect& rect, const QImage* picture)
{
    if (find(member) != m_members.end())
        return;
    m_members.insert(m_members.begin(), Member{member, rect, picture});
    if (fitWindow(rect))
        redraw(rect);
}

void DesktopLayer::leave(const void* member)
{
    const auto it = find(member);
    if (it == m_members.end())
        return;
    const QRect rect = it->rect;
    m_members.erase(it);
    if (m_members.empty()) {
        // Nothing left to show: the desktop shows as it is.
        m_refresh.stop();
        m_window.reset();
        m_rect = QRect();
        return;
    }
    redraw(rect);
}

void DesktopLayer::move(const void* member, const QRect& rect)
{
    const auto it = find(member);
    if (it == m_members.end() || it->rect == rect)
        return;
    const QRect previous = it->rect;
    it->rect = rect;
    if (fitWindow(rect))
        redraw(QRegion(previous) | rect);
}

void DesktopLayer::restack(const void* member, bool top)
{
    const auto it = find(member);
    if (it == m_members.end())
        return;
    const Member moved = *it;
    m_members.erase(it);
    m_members.insert(top ? m_members.end() : m_members.begin(), moved);
    redraw(moved.rect);
}

void DesktopLayer::update(const void* member, const QRegion& changed)
{
    const auto it = find(member);
    if (it != m_members.end())
        redraw(changed.translated(it->rect.topLeft()));
}

bool DesktopLayer::fitWindow(const QRect& needed)
{
    if (m_window && m_rect.contains(needed))
        return true;
    // The monitors may have changed since the window was made.
    QRect screen;
    for (const QRect& monitor : X11Desktop::monitorRects(m_display))
        screen |= monitor;
    if (screen.isEmpty())
        screen = QRect(0, 0, DisplayWidth(m_display, DefaultScreen(m_display)),
                       DisplayHeight(m_display, DefaultScreen(m_display)));
    if (m_window && screen == m_rect)
        return true;
    m_rect = screen;
    if (!m_window) {
        m_window = std::make_unique<OverlayWindow>(true, m_stacking, nullptr, nullptr,
                                                   OverlayWindow::Background::Desktop);
        m_window->setName(QStringLiteral("Yulavin desktop"));
    }
    m_window->setGeometry(m_rect);
    m_window->setZOrder(false);
    m_refresh.start();
    redraw(m_rect);
    return false;
}

void DesktopLayer::redraw(const QRegion& screenArea)
{
    if (!m_window)
        return;
    QRegion area = screenArea & m_rect;
    if (area.isEmpty())
        return;
    area.translate(-m_rect.topLeft());
    bool blank = false;
    QImage* picture = m_window->frameBuffer(m_rect.size(), blank);
    if (!picture)
        return;
    QPainter painter(picture);
    for (const QRect& box : area) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(box, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (const Member& member : m_members) {
            const QRect place = member.rect.translated(-m_rect.topLeft());
            const QRect part = box & place;
            if (!part.isEmpty() && !member.picture->isNull())
                painter.drawImage(part.topLeft(), *member.picture,
                                  part.translated(-place.topLeft()));
        }
    }
    painter.end();
    m_window->present(*picture, area, 255);
}

bool DesktopLayer::desktopWindowShows() const
{
    const Atom type = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", False);
    const Atom desktop = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DESKTOP", False);
    for (const unsigned long client :
         readProperty32(m_display, DefaultRootWindow(m_display), m_clientListAtom, XA_WINDOW)) {
        const std::vector<unsigned long> types = readProperty32(m_display, client, type, XA_ATOM);
        if (std::find(types.begin(), types.end(), desktop) != types.end())
            return true;
    }
    return false;
}

void DesktopLayer::checkDesktopWindow()
{
    m_checkPending = false;
    const bool shows = desktopWindowShows();
    if (shows == m_desktopWindow)
        return;
    m_desktopWindow = shows;
    m_followers.tell();
}

bool DesktopLayer::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
    if (property->window != DefaultRootWindow(m_display))
        return false;
    // Once per burst of news, after Qt has handled them.
    if (property->atom == m_clientListAtom && !m_checkPending) {
        m_checkPending = true;
        QTimer::singleShot(0, &m_context, [this] { checkDesktopWindow(); });
    }
    // A new desktop background reaches the root window only; the layer's
    // background follows it where it is painted again.
    const bool background = std::find(m_backgroundAtoms.begin(), m_backgroundAtoms.end(),
                                      property->atom) != m_backgroundAtoms.end();
    if (background && m_window && !m_repaintPending) {
        m_repaintPending = true;
        QTimer::singleShot(0, &m_context, [this] {
            m_repaintPending = false;
            redraw(m_rect);
        });
    }
    return false;
}

} // namespace platform
