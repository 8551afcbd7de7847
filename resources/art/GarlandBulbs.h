#pragma once

#include "GarlandPalette.h"

#include <QImage>

enum class GarlandBulbShape {
    Classic,    // the pointed glass bulb of the 48 px strings
    Strawberry, // cut glass shaped like a strawberry, with a leafy cap
    Mini        // the small 32 px bulb of the white string
};

// One bulb of a wired string. A straight piece is drawn as it hangs on the
// bottom edge of the screen: the wire runs left to right near the top of the
// square and the bulb points down at the screen edge. A corner piece is the
// bottom-left corner: the wire comes down the left edge's line and leaves
// along the bottom edge's line, and the bulb points into the corner.
QImage paintGarlandBulb(GarlandBulbShape shape, const GarlandHue& hue, bool lit, bool corner);

// The white string's side columns stop short of its top and bottom rows,
// which run into the corners. A stretch of its wire, stored as it runs along
// the bottom edge, fills the space the layout leaves; this many pixels long,
// it is stretched to fit.
inline constexpr int kWhiteWireLength = 4;
QImage paintWhiteWire();
// The bend from the side column's wire into the bottom row's, drawn over the
// corner bulb's square: the bottom-left corner, or mirrored the bottom-right.
// Turned over they serve the top-right and top-left corners.
QImage paintWhiteWireBend(bool rightCorner);
