#pragma once

#include "GarlandPalette.h"

#include <QImage>

// A six-armed crystal snowflake light hanging by a little loop, stored as it
// hangs on the bottom edge of the screen (the loop towards the inside of the
// screen). Lit it shines in its colour with a glow round it; switched off it
// is grey crystal.
QImage paintSnowflakeLight(const GarlandHue& hue, bool lit);
