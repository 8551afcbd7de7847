#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include <sys/types.h>

struct _XDisplay;

// Looking at a real X desktop from outside, as the user sees it: which
// windows a process shows, where they are, how they are stacked, and the
// screen's pixels.
namespace screen_inspection {

// The mapped windows that process `pid` made (by _NET_WM_PID), wherever a
// window manager or a tray host has put them.
std::vector<unsigned long> viewableWindowsOf(_XDisplay* dpy, pid_t pid);
// Of those, the decorations: 32-bit windows kept out of the taskbar and pager.
std::vector<unsigned long> decorationWindowsOf(_XDisplay* dpy, pid_t pid);
// Whether the window holds the stars under the settings window, which stay
// from start to end whatever the decorations' settings say.
bool isFairyDust(_XDisplay* dpy, unsigned long window);

// A window property of 32-bit items (atoms, windows, cardinals); empty when unset.
std::vector<unsigned long> property32(_XDisplay* dpy, unsigned long window, const char* name);
// The top-level window (a direct child of the root) that holds `window`: the
// window manager's frame, or the window itself without one.
unsigned long topLevelOf(_XDisplay* dpy, unsigned long window);
// Whether the window and all its ancestors are mapped.
bool viewable(_XDisplay* dpy, unsigned long window);
// The window's title (_NET_WM_NAME); empty when it has none.
QString nameOf(_XDisplay* dpy, unsigned long window);
// The window's rectangle on the screen.
QRect screenRect(_XDisplay* dpy, unsigned long window);
// The part of it that lies on the screen: what a user can see of it.
QRect onScreenRect(_XDisplay* dpy, unsigned long window);
int depthOf(_XDisplay* dpy, unsigned long window);
// Whether `upper` is stacked above `lower` (their window manager frames
// compared when they have them); nothing when either is gone.
std::optional<bool> stackedAbove(_XDisplay* dpy, unsigned long upper, unsigned long lower);
// The part of the window's frame that takes the pointer's input, or that is
// shown at all (its bounding shape), in frame coordinates.
QRegion inputShapeOfFrame(_XDisplay* dpy, unsigned long window);
QRegion boundingShapeOfFrame(_XDisplay* dpy, unsigned long window);
// The window the root names active; 0 when none.
unsigned long activeWindow(_XDisplay* dpy);

// The screen as the user sees it (RGB32).
QImage screenshot(_XDisplay* dpy, const QRect& area);
// The window's own pixels, whatever covers it (RGB32, alpha dropped).
QImage windowPixels(_XDisplay* dpy, unsigned long window);

// How many of the picture's pixels are as wanted.
int countPixels(const QImage& picture, const std::function<bool(QRgb)>& wanted);
// Near white, as a snow flake's body is.
bool isWhitish(QRgb pixel);
// A bright, strongly coloured pixel: the glow of a lit bulb.
bool isBrightColour(QRgb pixel);

} // namespace screen_inspection
