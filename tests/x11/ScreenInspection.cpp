#include "ScreenInspection.h"

#include <algorithm>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace screen_inspection {

std::vector<unsigned long> property32(Display* dpy, unsigned long window, const char* name)
{
    std::vector<unsigned long> values;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, window, XInternAtom(dpy, name, False), 0, 1024, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + count);
    }
    if (data)
        XFree(data);
    return values;
}

namespace {

// The window's children, bottom to top; its parent too when asked. Fails
// when the window is gone.
bool queryTree(Display* dpy, Window window, std::vector<Window>* children, Window* parent)
{
    Window root = 0;
    Window up = 0;
    Window* list = nullptr;
    unsigned count = 0;
    if (!XQueryTree(dpy, window, &root, &up, &list, &count))
        return false;
    if (children && list)
        children->assign(list, list + count);
    if (list)
        XFree(list);
    if (parent)
        *parent = up;
    return true;
}

} // namespace

unsigned long topLevelOf(Display* dpy, unsigned long window)
{
    Window parent = 0;
    while (queryTree(dpy, window, nullptr, &parent)) {
        if (parent == DefaultRootWindow(dpy) || parent == 0)
            return window;
        window = parent;
    }
    return 0;
}

namespace {

void collect(Display* dpy, Window window, pid_t pid, std::vector<unsigned long>& found)
{
    std::vector<Window> children;
    queryTree(dpy, window, &children, nullptr);
    for (Window child : children) {
        const std::vector<unsigned long> owner = property32(dpy, child, "_NET_WM_PID");
        if (!owner.empty() && owner.front() == static_cast<unsigned long>(pid)) {
            if (viewable(dpy, child))
                found.push_back(child);
            continue; // a process's windows hold no other process's windows
        }
        collect(dpy, child, pid, found);
    }
}

// The drawable's pixels in the area (RGB32, alpha dropped).
QImage grab(Display* dpy, Drawable drawable, const QRect& area)
{
    XImage* image =
        XGetImage(dpy, drawable, area.x(), area.y(), static_cast<unsigned>(area.width()),
                  static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
    if (!image)
        return QImage();
    // 32 bits a pixel in the host's byte order, as Xvfb's screen is; the
    // conversion makes the top byte, whatever it held, opaque.
    const QImage result = QImage(reinterpret_cast<const uchar*>(image->data), image->width,
                                 image->height, image->bytes_per_line, QImage::Format_ARGB32)
                              .convertToFormat(QImage::Format_RGB32);
    XDestroyImage(image);
    return result;
}

bool hasState(Display* dpy, unsigned long window, const char* stateAtom)
{
    const std::vector<unsigned long> states = property32(dpy, window, "_NET_WM_STATE");
    return std::find(states.begin(), states.end(), XInternAtom(dpy, stateAtom, False)) !=
           states.end();
}

} // namespace

bool viewable(Display* dpy, Window window)
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(dpy, window, &attributes) && attributes.map_state == IsViewable;
}

std::vector<unsigned long> viewableWindowsOf(Display* dpy, pid_t pid)
{
    std::vector<unsigned long> found;
    collect(dpy, DefaultRootWindow(dpy), pid, found);
    return found;
}

std::vector<unsigned long> decorationWindowsOf(Display* dpy, pid_t pid)
{
    std::vector<unsigned long> decorations;
    for (unsigned long window : viewableWindowsOf(dpy, pid)) {
        if (depthOf(dpy, window) == 32 && hasState(dpy, window, "_NET_WM_STATE_SKIP_TASKBAR") &&
            hasState(dpy, window, "_NET_WM_STATE_SKIP_PAGER"))
            decorations.push_back(window);
    }
    return decorations;
}

QString nameOf(Display* dpy, unsigned long window)
{
    QString name;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, window, XInternAtom(dpy, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(dpy, "UTF8_STRING", False), &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 8)
        name =
            QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
    if (data)
        XFree(data);
    return name;
}

bool isFairyDust(Display* dpy, unsigned long window)
{
    return nameOf(dpy, window) == QLatin1String("Yulavin fairy dust");
}

QRect screenRect(Display* dpy, unsigned long window)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(dpy, window, &attributes))
        return QRect();
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(dpy, window, DefaultRootWindow(dpy), 0, 0, &x, &y, &child))
        return QRect();
    return QRect(x, y, attributes.width, attributes.height);
}

QRect onScreenRect(Display* dpy, unsigned long window)
{
    XWindowAttributes root{};
    if (!XGetWindowAttributes(dpy, DefaultRootWindow(dpy), &root))
        return QRect();
    return screenRect(dpy, window) & QRect(0, 0, root.width, root.height);
}

int depthOf(Display* dpy, unsigned long window)
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(dpy, window, &attributes) ? attributes.depth : 0;
}

std::optional<bool> stackedAbove(Display* dpy, unsigned long upper, unsigned long lower)
{
    const Window upperTop = topLevelOf(dpy, upper);
    const Window lowerTop = topLevelOf(dpy, lower);
    std::vector<Window> order;
    queryTree(dpy, DefaultRootWindow(dpy), &order, nullptr);
    const auto upperAt = std::find(order.begin(), order.end(), upperTop);
    const auto lowerAt = std::find(order.begin(), order.end(), lowerTop);
    if (upperTop == 0 || lowerTop == 0 || upperAt == order.end() || lowerAt == order.end())
        return std::nullopt;
    return upperAt > lowerAt;
}

namespace {

QRegion shapeOfFrame(Display* dpy, unsigned long window, int kind)
{
    int count = 0;
    int ordering = 0;
    XRectangle* rectangles =
        XShapeGetRectangles(dpy, topLevelOf(dpy, window), kind, &count, &ordering);
    QRegion shape;
    for (int i = 0; i < count; ++i)
        shape += QRect(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height);
    if (rectangles)
        XFree(rectangles);
    return shape;
}

} // namespace

QRegion inputShapeOfFrame(Display* dpy, unsigned long window)
{
    return shapeOfFrame(dpy, window, ShapeInput);
}

QRegion boundingShapeOfFrame(Display* dpy, unsigned long window)
{
    return shapeOfFrame(dpy, window, ShapeBounding);
}

unsigned long activeWindow(Display* dpy)
{
    const auto active = property32(dpy, DefaultRootWindow(dpy), "_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active.front();
}

QImage screenshot(Display* dpy, const QRect& area)
{
    return grab(dpy, DefaultRootWindow(dpy), area);
}

QImage windowPixels(Display* dpy, unsigned long window)
{
    return grab(dpy, window, QRect(QPoint(0, 0), screenRect(dpy, window).size()));
}

int countPixels(const QImage& picture, const std::function<bool(QRgb)>& wanted)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        count += static_cast<int>(std::count_if(line, line + picture.width(), wanted));
    }
    return count;
}

bool isWhitish(QRgb pixel)
{
    return qRed(pixel) >= 0xe0 && qGreen(pixel) >= 0xe0 && qBlue(pixel) >= 0xe0;
}

bool isBrightColour(QRgb pixel)
{
    const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return high >= 0xe0 && high - low >= 0x60;
}

} // namespace screen_inspection
