#pragma once

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

} // namespace platform
