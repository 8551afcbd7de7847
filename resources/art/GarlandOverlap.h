#pragma once

#include <QImage>

// Pieces that the garland lays overlapping (pine branch tiles, pine swags)
// repeat the same needles at both ends, so the shared stretch is painted
// twice. Twice-painted soft needle edges come out denser than the rest of the
// rope, which shows as a dark band at every joint. This thins the first and
// the last `overlap` pixels along the run so that one end laid over the other
// gives back the picture as painted, in whichever order the pieces are drawn.
void shareGarlandOverlap(QImage& piece, Qt::Orientation run, int overlap);
