#pragma once

#include "GarlandPalette.h"

#include <QImage>

// A six-armed crystal snowflake light hanging by a short cord from the edge
// of the screen, stored as it hangs on the bottom edge (the cord runs down to
// the picture's lower side). Lit it shines in its colour with a glow round it;
// switched off it is grey crystal.
QImage paintSnowflakeLight(const GarlandHue& hue, bool lit);
