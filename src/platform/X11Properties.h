#pragma once

#include <QRect>

#include <optional>
#include <vector>

struct _XDisplay;

namespace platform {

// A 32-bit-format property of a window as the longs Xlib hands out (atoms,
// window ids, cardinals); empty when it is missing, of another type or
// format, or when the window has gone (Qt's X error handler swallows the
// BadWindow). A type of AnyPropertyType (0) takes the property whatever its
// type.
std::vector<unsigned long> readProperty32(_XDisplay* display, unsigned long window,
                                          unsigned long property, unsigned long type);

// Adds these events (an Xlib event mask) to those this connection already
// takes from the root window (Qt's among them), never in place of them;
// false when the root cannot be read.
bool addRootEvents(_XDisplay* display, long mask);

// Where the window is on the screen, as the X server has it (physical
// pixels, inside its border), also after a window manager moved it;
// nothing when it has gone.
std::optional<QRect> screenRectOf(_XDisplay* display, unsigned long window);

} // namespace platform
