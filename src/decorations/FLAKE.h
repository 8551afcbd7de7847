#pragma once

#include <QImage>

#include <cstdint>

// One snowflake: falling, or lying in the pile once it has landed.
struct FLAKE {
    const QImage* image = nullptr; // one of the snow window's pictures, not owned
    int x = 0;                     // left edge in window pixels; may lie outside the window
    int tick = 0;                  // frames since the last drift choice, 0..14
    int dx = 1;                    // sideways drift per frame, -1 or +1
    int y = 0;                     // top edge in window pixels; negative above the window
    int speed = 0;                 // fall per frame before the thick snow factor
    uint32_t angle = 0;            // turn in degrees (fantasy snow)
    bool baked = false;            // a pile record already drawn into the pile picture
};
