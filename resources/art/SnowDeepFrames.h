#pragma once

#include "vocabulary/PictureIds.h"

#include <QImage>
#include <QList>

#include <vector>

// Deep snow: a heavy snowfall over the desktop in 120 full-screen frames
// (374-493) that the snow window plays in a loop. Every flake's place is a
// function of the loop's phase, so the last frame flows into the first.
class SnowDeepFrames final {
public:
    static constexpr int frameCount = kDeepPictureCount;
    static constexpr int width = 1366;
    static constexpr int height = 768;
    static constexpr int firstId = kFirstDeepPicture;

    SnowDeepFrames();

    // Frame `index` (0..119), 8-bit indexed with a colour table carrying alpha:
    // a frame is mostly empty, so this keeps each file small.
    QImage frame(int index) const;

private:
    struct Flake {
        double x;         // where the flake starts, before wind and sway
        double y;         // start height (falling flakes) or phase (fading flakes)
        int laps;         // falls through the screen this many times per loop; 0: fades
        double travel;    // a fading flake's fall in one loop, pixels
        double lifePhase; // when in the loop a fading flake appears
        double radius;    // solid core
        double softness;  // width of the soft edge; near flakes are out of focus
        double opacity;
        double stretch;   // longer than wide, as fast flakes blur when they fall
        double swayWidth; // side-to-side drift, pixels
        int swayLaps;     // sways per loop
        double swayPhase;
        int tumbleLaps; // turns per loop of a near flake's lumps; 0: a plain round flake
    };

    std::vector<Flake> m_flakes;
    QList<QRgb> m_colours;
};
