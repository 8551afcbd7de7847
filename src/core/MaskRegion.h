#pragma once

#include <QImage>
#include <QRegion>

#include <optional>

// The shape of a skinned button: every pixel of the mask that is not exactly
// white (0xFFFFFF, alpha ignored) belongs to the button. Built row by row
// from runs of such pixels, one rectangle one pixel high per run, so a picture
// button is exactly as wide as its drawing in every row. No mask gives no
// shape at all (nullopt); an all-white mask gives an empty shape.
std::optional<QRegion> RegionFromMask(const QImage& mask);
