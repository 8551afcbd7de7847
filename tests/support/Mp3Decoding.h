#pragma once

#include <QString>

#include <sys/types.h>
#include <vector>

// An MP3 file decoded as the program plays it: libmpg123 in gapless mode,
// so the encoder's delay and padding are gone. Stereo floats at 44.1 kHz.
struct DecodedMp3 {
    std::vector<float> left, right;
    long rate = 0;
    off_t announcedFrames = -1; // from the info tag, before decoding; -1 when unknown
};

DecodedMp3 decodeMp3(const QString& path);
