#pragma once

#include "GarlandPalette.h"

#include <QImage>

// A six-armed crystal snowflake light hanging by a short cord from a string
// that runs along the edge of the screen, stored as it hangs on the bottom
// edge (the string runs along the picture's lower side). Lit it shines in its colour with a glow
// round it; switched off it is grey crystal.
QImage paintSnowflakeLight(const GarlandHue& hue, bool lit);

// A stretch of that string, stored as it runs along the bottom edge, that the
// window stretches over the gaps it leaves between the lights.
inline constexpr int kSnowflakeStringLength = 8;
QImage paintSnowflakeString();
