#pragma once

#include <QImage>
#include <QSize>

// Pictures with thin wires, needles and ribbons are painted at several times
// their size and shrunk at the end, so they come out smoothly antialiased.
namespace ArtOversample {

// Averages each factor x factor block of the large premultiplied picture into
// one pixel of a picture of the given size, rounding to nearest. A plain box
// average is exact and leaves none of the ringing a filtered scale can put
// round small bright shapes.
QImage average(const QImage& large, QSize size, int factor);

} // namespace ArtOversample
