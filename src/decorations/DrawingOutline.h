#pragma once

#include "decorations/FrameDrawing.h"

#include <QRegion>
#include <QSize>

// The part of a window that a frame's drawing can cover, rounded out to whole
// square cells of the given size and clipped to the window. Whole cells keep
// the outline down to a few rectangles (a run of bulbs along an edge becomes
// one strip), which is what a compositor pays for when it blends the window
// over the screen.
QRegion DrawingOutline(const FrameDrawing& drawing, const QSize& window, int cell);
