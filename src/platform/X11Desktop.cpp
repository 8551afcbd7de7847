#include "platform/X11Desktop.h"

#include "platform/Clock.h"
#include "platform/PhysicalPixels.h"
#include "platform/QtX11Display.h"
#include "platform/SessionLockWatcher.h"
#include "platform/X11Properties.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

// Xlib's macros (None, Bool, Status, ...) clash with Qt names; keep them last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace platform {

namespace {

bool contains(const std::vector<unsigned long>& values, Atom atom)
{
    return std::find(values.begin(), values.end(), atom) != values.end();
}

} // namespace

X11Desktop::X11Desktop(Clock& clock) : m_clock(clock) {}

X11Desktop::~X11Desktop() = default;

Display* X11Desktop::display()
{
    return qtX11Display();
}

QSize X11Desktop::primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSize();
    return toPhysicalPixels(screen->geometry(), screen).size();
}

QRect X11Desktop::virtualScreen()
{
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens())
        all |= toPhysicalPixels(screen->geometry(), screen);
    return all;
}

QRect X11Desktop::workArea()
{
    // Qt follows _NET_WORKAREA, which the window manager shrinks by the
    // struts of docked panels; without a window manager it is the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    return toPhysicalPixels(screen->availableGeometry(), screen);
}

bool X11Desktop::taskbarAutoHide()
{
    // X11 panels have no shared auto-hide flag; a hidden panel leaves no
    // strut, so the work area is already the full height.
    return false;
}

QPoint X11Desktop::cursorPos()
{
    // Qt rounds the pointer to logical pixels on a scaled screen; the server
    // knows the exact physical pixel.
    if (Display* dpy = display()) {
        if (const auto pointer = queryPointer(dpy))
            return pointer->position;
    }
    const QPoint logical = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(logical);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? toPhysicalPixels(logical, screen) : logical;
}

bool X11Desktop::leftButtonDown()
{
    // Qt only sees presses on its own windows, and the decorations let every
    // click through, so ask the server for the pointer's button state.
    Display* dpy = display();
    if (!dpy)
        return false;
    const auto pointer = queryPointer(dpy);
    return pointer && pointer->leftButton;
}

std::optional<X11Desktop::PointerState> X11Desktop::queryPointer(Display* dpy)
{
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    // False when the pointer is on another X screen of the same server.
    if (!XQueryPointer(dpy, DefaultRootWindow(dpy), &root, &child, &rootX, &rootY, &winX, &winY,
                       &mask))
        return std::nullopt;
    return PointerState{QPoint(rootX, rootY), (mask & Button1Mask) != 0};
}

std::optional<X11Desktop::IdleInfo> X11Desktop::queryIdle(Display* dpy)
{
    if (dpy != m_checkedDisplay) {
        int eventBase = 0;
        int errorBase = 0;
        m_hasScreenSaverExtension = XScreenSaverQueryExtension(dpy, &eventBase, &errorBase);
        m_checkedDisplay = dpy;
    }
    if (!m_hasScreenSaverExtension)
        return std::nullopt;
    XScreenSaverInfo info{};
    if (!XScreenSaverQueryInfo(dpy, DefaultRootWindow(dpy), &info))
        return std::nullopt;
    return IdleInfo{info.idle, info.state == ScreenSaverOn};
}

uint32_t X11Desktop::lastInputTick()
{
    const uint32_t now = m_clock.tickCount();
    Display* dpy = display();
    if (!dpy)
        return now;
    const auto idle = queryIdle(dpy);
    if (!idle)
        return now;
    // Unsigned arithmetic, so the result wraps with the tick count.
    return now - static_cast<uint32_t>(idle->idleMs);
}

bool X11Desktop::sessionLocked()
{
    // Made on first use: the bus connection wants the application object,
    // which may not exist yet when the desktop is made.
    if (!m_sessionLock)
        m_sessionLock = std::make_unique<SessionLockWatcher>();
    return m_sessionLock->locked().value_or(false);
}

bool X11Desktop::screenSaverRunning()
{
    Display* dpy = display();
    if (!dpy)
        return false;
    const auto idle = queryIdle(dpy);
    return (idle && idle->screenSaverOn) || sessionLocked();
}

std::optional<Desktop::Presence> X11Desktop::userNotificationState()
{
    Display* dpy = display();
    if (!dpy)
        return std::nullopt;
    const auto idle = queryIdle(dpy);
    if ((idle && idle->screenSaverOn) || sessionLocked())
        return Presence::NotPresent;
    if (activeWindowIsFullScreen(dpy))
        return Presence::Busy;
    return Presence::AcceptsNotifications;
}

std::vector<QRect> X11Desktop::monitorRects(Display* dpy)
{
    std::vector<QRect> rects;
    for (const QScreen* screen : QGuiApplication::screens())
        rects.push_back(toPhysicalPixels(screen->geometry(), screen));
    if (rects.empty()) {
        XWindowAttributes root{};
        if (XGetWindowAttributes(dpy, DefaultRootWindow(dpy), &root))
            rects.emplace_back(0, 0, root.width, root.height);
    }
    return rects;
}

bool X11Desktop::activeWindowIsFullScreen(Display* dpy)
{
    const Window root = DefaultRootWindow(dpy);
    const Atom activeAtom = XInternAtom(dpy, "_NET_ACTIVE_WINDOW", False);
    const auto activeList = readProperty32(dpy, root, activeAtom, XA_WINDOW);
    if (activeList.empty() || activeList.front() == 0)
        return false;
    const Window active = activeList.front();

    // The decorations' own overlays span the screen; counting them would hide
    // the decorations because they are shown, and bring them back once gone.
    for (QWindow* own : QGuiApplication::allWindows()) {
        if (own->handle() && own->winId() == active)
            return false;
    }

    // Clicking the desktop or a panel activates a screen-sized window that
    // is no full-screen program.
    const auto types =
        readProperty32(dpy, active, XInternAtom(dpy, "_NET_WM_WINDOW_TYPE", False), XA_ATOM);
    if (contains(types, XInternAtom(dpy, "_NET_WM_WINDOW_TYPE_DESKTOP", False)) ||
        contains(types, XInternAtom(dpy, "_NET_WM_WINDOW_TYPE_DOCK", False)))
        return false;

    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(dpy, active, &attributes) || attributes.map_state != IsViewable)
        return false;

    const auto states =
        readProperty32(dpy, active, XInternAtom(dpy, "_NET_WM_STATE", False), XA_ATOM);
    if (contains(states, XInternAtom(dpy, "_NET_WM_STATE_FULLSCREEN", False)))
        return true;

    // Games and players often just cover a monitor without saying so.
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(dpy, active, root, 0, 0, &x, &y, &child))
        return false;
    const QRect window(x, y, attributes.width, attributes.height);
    const auto monitors = monitorRects(dpy);
    return std::any_of(monitors.begin(), monitors.end(),
                       [&](const QRect& monitor) { return window.contains(monitor); });
}

} // namespace platform
