#pragma once

#include "GarlandPalette.h"

#include <QImage>

// A round glass globe light on its socket, stored like the bulbs: a straight
// piece for the bottom edge with the globe pointing down to the screen edge,
// a corner piece as the bottom-left corner with the globe in the corner. The
// wire crosses the ends of every piece at one depth, as the bulbs' does.
QImage paintBallLight(const GarlandHue& hue, bool lit, bool corner);

// A stretch of the globes' wire, stored as it runs along the bottom edge,
// that the window stretches over the gaps it leaves between globes.
inline constexpr int kBallWireLength = 8;
QImage paintBallWire();

// A soft coloured light thrown up from the bottom edge of the screen, as if
// the screen were lit from behind.
QImage paintBacklightGlow(const GarlandHue& hue);
