#pragma once

#include "GarlandPalette.h"

#include <QImage>

// A glass ball light on its wire, stored like the bulbs: a straight piece
// hangs on the bottom edge with the wire across the top of the square, a
// corner piece is the bottom-left corner with the ball in the corner.
QImage paintBallLight(const GarlandHue& hue, bool lit, bool corner);

// A soft coloured light thrown up from the bottom edge of the screen, as if
// the screen were lit from behind.
QImage paintBacklightGlow(const GarlandHue& hue);
