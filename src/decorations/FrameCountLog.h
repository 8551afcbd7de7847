#pragma once

#include <cstdint>
#include <string>

// Counts a decoration window's frames for scripts/measure-cpu.sh, which
// prints the frame rate next to the CPU it cost. Silent unless the
// environment variable YULAVIN_FRAME_LOG names a file; then about once a
// second each window appends "<unix milliseconds> <window> <frames drawn>
// <frames that pushed pixels> <pixels pushed> <rectangles pushed>" to it.
// Off, it costs one test per frame.
class FrameCountLog final {
public:
    static bool enabled();

    // pixels and rectangles: what the frame pushed to the window (0 and 0
    // for a frame that changed nothing).
    void count(const char* window, int64_t pixels, int64_t rectangles)
    {
        if (enabled())
            note(window, pixels, rectangles);
    }

private:
    void note(const char* window, int64_t pixels, int64_t rectangles);

    uint64_t m_drawn = 0;
    uint64_t m_pushed = 0;
    int64_t m_pixels = 0;
    int64_t m_rectangles = 0;
    int64_t m_nextLineMs = 0;
};
