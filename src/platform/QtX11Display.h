#pragma once

struct _XDisplay;

namespace platform {

// The X connection Qt opened for the program; null off X11 (offscreen tests,
// Wayland without XWayland), where callers fall back to saying "can't tell".
_XDisplay* qtX11Display();

} // namespace platform
