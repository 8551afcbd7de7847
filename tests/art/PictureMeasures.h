#pragma once

#include <QImage>

#include <vector>

// Small measurements on the packed pictures for the layout checks.
namespace PictureMeasures {

// A picture as the program loads it by id (premultiplied ARGB); null when missing.
QImage packedPicture(unsigned id);

// Alpha of every pixel of one column (top to bottom) or one row (left to right).
std::vector<int> alphaColumn(const QImage& image, int x);
std::vector<int> alphaRow(const QImage& image, int y);
int alphaSum(const std::vector<int>& profile);
// Position of the alpha-weighted middle of a profile, -1 when it is empty.
double alphaCentre(const std::vector<int>& profile);

// Largest difference of any channel between row ay of a and row by of b,
// or between two columns.
int largestRowDifference(const QImage& a, int ay, const QImage& b, int by);
int largestColumnDifference(const QImage& a, int ax, const QImage& b, int bx);

// The picture turned clockwise by quarter turns, pixel for pixel.
QImage turned(const QImage& image, int quarterTurns);

// Mean difference per channel (0..255) between two pictures of one size.
double meanDifference(const QImage& a, const QImage& b);

// Share (0..1) of pixels in which some channel differs by more than threshold.
double changedShare(const QImage& a, const QImage& b, int threshold);

// Share (0..1) of pixels more than a quarter opaque.
double coveredShare(const QImage& image);

// Mean alpha (0..255) over a rectangle of the picture.
double meanAlpha(const QImage& image, const QRect& area);

// Alpha-weighted middle of the whole picture.
QPointF alphaCentroid(const QImage& image);

// Light the picture adds to the screen: colour weighted by coverage.
double light(const QImage& image);

} // namespace PictureMeasures
