#pragma once

#include "decorations/FrameDrawing.h"

#include <QPainterPath>
#include <QRgb>

#include <cstdint>
#include <vector>

// The fairy dust: coloured stars that glow softly, fall and shrink away. The cursor window
// makes them behind the mouse pointer, the window under the settings window
// along the edges of a dragged settings window; both age and draw them by the
// same rule here.
class FairyDust final {
public:
    // One star.
    struct Particle {
        float x = 0;  // left of the star's layout box
        float y = 0;  // top of the star's layout box
        float vx = 0; // pixels per frame
        float vy = 0; // pixels per frame, down is positive
        int32_t life = 0;
        QRgb color = 0; // ARGB
    };

    // Frames a star is drawn; it shrinks from the largest size to nothing over them.
    static constexpr int32_t kLife = 120;
    static constexpr int kLargestStar = 16;

    // A new star whose layout box starts at (x, y). Draws three random numbers,
    // in this order: the drift's direction, the drift's speed, the colour.
    static Particle MakeParticle(float x, float y);

    // One frame: moves and ages every star, drops those whose life ran out and
    // draws the others in order, each a picture of the star in its halo.
    static void MoveAndDraw(std::vector<Particle>& particles, FrameDrawing& graphics);

    // The star's size in pixels for the frames it has left: 16 at 119, 0 at 0.
    static int EmSize(int32_t life);

    // The outline of "*" in Arial at that size, placed in a layout box whose
    // top-left corner is (0, 0) the way text layout places a line there. Empty
    // for sizes below 1 and when no font can be had.
    static const QPainterPath& StarPath(int emSize);
};
