#include "platform/X11Properties.h"

#include <X11/Xlib.h>

namespace platform {

std::vector<unsigned long> readProperty32(Display* display, unsigned long window,
                                          unsigned long property, unsigned long type)
{
    std::vector<unsigned long> values;
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 1024, False, type,
                                          &actualType, &actualFormat, &count, &bytesAfter, &data);
    if (status == Success && data && (type == AnyPropertyType || actualType == type) &&
        actualFormat == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + count);
    }
    if (data)
        XFree(data);
    return values;
}

std::optional<QRect> screenRectOf(Display* display, unsigned long window)
{
    ::Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (!window || !XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth))
        return std::nullopt;
    ::Window child = 0;
    if (!XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child))
        return std::nullopt;
    return QRect(x, y, static_cast<int>(width), static_cast<int>(height));
}

bool addRootEvents(Display* display, long mask)
{
    const ::Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, root, &attributes))
        return false;
    XSelectInput(display, root, attributes.your_event_mask | mask);
    XFlush(display);
    return true;
}

} // namespace platform
