#pragma once

#include <QRect>
#include <QSize>

class QImage;

// Where a picture goes so that it covers a target completely: scaled with its
// aspect ratio kept, centred, what overflows cut off equally on both sides.
// Computed in single precision and truncated toward zero, so a picture of
// the target's own aspect ratio lands exactly on it.
QRect CoverFitRect(QSize picture, QSize target);

// The whole picture stretched into its cover-fit rectangle of a picture of
// the target's size, pixel by pixel without smoothing, in the screen's
// format; null when the picture or the target is empty.
QImage RenderCoverFit(const QImage& picture, QSize target);
