#pragma once

#include <cstdint>
#include <string>

// Counts a decoration window's frames for scripts/measure-cpu.sh, which
// prints the frame rate next to the CPU it cost. Silent unless the
// environment variable YULAVIN_FRAME_LOG names a file; then about once a
// second each window appends "<unix milliseconds> <window> <frames drawn>
// <frames that pushed pixels>" to it. Off, it costs one test per frame.
class FrameCountLog final {
public:
    void count(const char* window, bool pushed)
    {
        if (enabled())
            note(window, pushed);
    }

private:
    static bool enabled();
    void note(const char* window, bool pushed);

    uint64_t m_drawn = 0;
    uint64_t m_pushed = 0;
    int64_t m_nextLineMs = 0;
};
