#pragma once

#include "SnowMask.h"

#include <QColor>
#include <QImage>
#include <QPointF>

// How a flake's shape becomes a picture: a body that is whitest where it is
// thickest, laid over a faint dark halo so the flake still shows when it drifts
// over a white window.
struct SnowLook {
    QColor body{255, 255, 255};
    // Colour the thin, see-through parts of the body turn towards, which gives
    // bigger flakes some volume.
    QColor rim{196, 210, 230};
    // Blur (pixels) that measures thickness; 0 paints the whole body in `body`.
    float volumeSigma = 0.0f;
    // Thickness at which the body is fully `body`.
    float volumeFull = 0.8f;
    // Light from the upper left: slopes facing it whiten, the others take
    // the rim colour, so clumps look round.
    float relief = 0.0f;

    QColor halo{18, 28, 48};
    float haloAlpha = 0.45f;
    float haloSigma = 0.7f;
    QPointF haloOffset{0.35, 0.55};

    float opacity = 1.0f;

    // The finished picture, premultiplied ARGB, the mask's size.
    QImage render(const SnowMask& shape) const;
};
