#pragma once

#include <QImage>

#include <vector>

// Small measurements on premultiplied ARGB pictures for the layout checks.
namespace PictureMeasures {

// Alpha of every pixel of one column (top to bottom) or one row (left to right).
std::vector<int> alphaColumn(const QImage& image, int x);
std::vector<int> alphaRow(const QImage& image, int y);

// Largest difference of any channel between two equally long pixel lines,
// given as the two images and their lines.
int largestColumnDifference(const QImage& a, int ax, const QImage& b, int bx);
int largestRowDifference(const QImage& a, int ay, const QImage& b, int by);

// Position of the alpha-weighted middle of a profile, -1 when it is empty.
double alphaCentre(const std::vector<int>& profile);
int alphaSum(const std::vector<int>& profile);

// The picture turned clockwise by quarter turns, pixel for pixel.
QImage turned(const QImage& image, int quarterTurns);

// Mean difference per channel (0..255) between two pictures of one size.
double meanDifference(const QImage& a, const QImage& b);

// Share (0..1) of pixels in which some channel differs by more than threshold.
double changedShare(const QImage& a, const QImage& b, int threshold);

// Mean alpha (0..255) over a rectangle of the picture.
double meanAlpha(const QImage& image, const QRect& area);

// Alpha-weighted centre of the whole picture.
QPointF alphaCentroid(const QImage& image);

} // namespace PictureMeasures
