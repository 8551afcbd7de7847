#pragma once

#include "GarlandPalette.h"

#include <QImage>

// A round glass globe light on its socket, stored like the bulbs: a straight
// piece for the bottom edge with the globe pointing down to the screen edge,
// a corner piece as the bottom-left corner with the globe in the corner. The
// wire leaves each piece through the screen edge at both ends.
QImage paintBallLight(const GarlandHue& hue, bool lit, bool corner);

// A soft coloured light thrown up from the bottom edge of the screen, as if
// the screen were lit from behind.
QImage paintBacklightGlow(const GarlandHue& hue);
