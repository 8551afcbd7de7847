#include "decorations/FrameCountLog.h"

#include <cctype>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace {

std::FILE* logFile()
{
    static std::FILE* const file = [] {
        const char* path = std::getenv("YULAVIN_FRAME_LOG");
        return path && *path ? std::fopen(path, "a") : nullptr;
    }();
    return file;
}

} // namespace

bool FrameCountLog::enabled()
{
    return logFile() != nullptr;
}

void FrameCountLog::note(const char* window, int64_t pixels, int64_t rectangles)
{
    ++m_drawn;
    if (pixels > 0)
        ++m_pushed;
    m_pixels += pixels;
    m_rectangles += rectangles;
    const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    if (now < m_nextLineMs)
        return;
    m_nextLineMs = now + 1000;
    // A mangled class name starts with its length.
    while (std::isdigit(static_cast<unsigned char>(*window)))
        ++window;
    std::fprintf(logFile(), "%" PRId64 " %s %" PRIu64 " %" PRIu64 " %" PRId64 " %" PRId64 "\n", now,
                 window, m_drawn, m_pushed, m_pixels, m_rectangles);
    std::fflush(logFile());
}
