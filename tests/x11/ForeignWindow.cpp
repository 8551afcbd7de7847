#include "ForeignWindow.h"

#include "support/WaitUntil.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

Atom atom(Display* dpy, const char* name)
{
    return XInternAtom(dpy, name, False);
}

} // namespace

ForeignWindow::ForeignWindow(Display* display, const QRect& geometry) : m_display(display)
{
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(m_display, DefaultScreen(m_display));
    m_window = XCreateWindow(m_display, DefaultRootWindow(m_display), geometry.x(), geometry.y(),
                             static_cast<unsigned>(geometry.width()),
                             static_cast<unsigned>(geometry.height()), 0, CopyFromParent,
                             InputOutput, CopyFromParent, CWBackPixel, &attributes);
    // Without a position hint a window manager places the window itself.
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = geometry.x();
    hints.y = geometry.y();
    hints.width = geometry.width();
    hints.height = geometry.height();
    XSetWMNormalHints(m_display, m_window, &hints);
    XStoreName(m_display, m_window, "foreign test window");
    XSync(m_display, False);
}

ForeignWindow::~ForeignWindow()
{
    XDestroyWindow(m_display, m_window);
    XSync(m_display, False);
}

void ForeignWindow::setAtom(const char* property, const char* value)
{
    const Atom item = atom(m_display, value);
    XChangeProperty(m_display, m_window, atom(m_display, property), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&item), 1);
    XSync(m_display, False);
}

void ForeignWindow::setBottomStrut(int height, int screenWidth)
{
    // left, right, top, bottom, then the start and end of each edge's span.
    const long partial[12] = {0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, screenWidth - 1};
    XChangeProperty(m_display, m_window, atom(m_display, "_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(partial), 12);
    XSync(m_display, False);
}

void ForeignWindow::map()
{
    XMapWindow(m_display, m_window);
    XSync(m_display, False);
}

void ForeignWindow::markActiveOnRoot()
{
    const Window active = m_window;
    XChangeProperty(m_display, DefaultRootWindow(m_display), atom(m_display, "_NET_ACTIVE_WINDOW"),
                    XA_WINDOW, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&active),
                    1);
    XSync(m_display, False);
}

void ForeignWindow::showFilled(unsigned long colour)
{
    XSetWindowBackground(m_display, m_window, colour);
    XSelectInput(m_display, m_window, ButtonPressMask | ExposureMask);
    map();
    XClearWindow(m_display, m_window);
    XSync(m_display, False);
}

bool ForeignWindow::waitForPress() const
{
    return waitUntil([&] {
        XEvent event;
        while (XCheckWindowEvent(m_display, m_window, ButtonPressMask, &event)) {
            if (event.type == ButtonPress)
                return true;
        }
        return false;
    });
}
