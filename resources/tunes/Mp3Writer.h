#pragma once

#include "StereoBuffer.h"

#include <string>

// Encodes a tune with LAME and writes it as an MP3 file. The file carries a
// LAME info tag in its first frame, which tells the player's decoder how many
// samples of encoder delay and padding to drop, so a looping background
// sound plays without a gap.
class Mp3Writer final {
public:
    // Variable bit rate quality 0 (best) .. 9.
    explicit Mp3Writer(int vbrQuality) : m_vbrQuality(vbrQuality) {}

    // Returns the number of bytes written, or 0 on failure (`error` says why).
    std::size_t write(const StereoBuffer& tune, const std::string& title, const std::string& path,
                      std::string& error) const;

private:
    int m_vbrQuality;
};
