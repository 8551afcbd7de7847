#pragma once

#include "StereoBuffer.h"

#include <vector>

// A small room: parallel damped combs feeding allpass diffusers per channel,
// the right channel's delays a little longer so the tail spreads across the
// speakers.
class Reverb final {
public:
    Reverb(float roomSize, float damping);

    // Returns only the reverberated signal, as long as the input plus `tailSeconds`.
    StereoBuffer process(const StereoBuffer& dry, double tailSeconds);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t pos = 0;
        float store = 0.0f;
    };
    struct Allpass {
        std::vector<float> line;
        std::size_t pos = 0;
    };
    struct Channel {
        std::vector<Comb> combs;
        std::vector<Allpass> allpasses;
    };

    float run(Channel& channel, float input);

    float m_feedback;
    float m_damping;
    Channel m_left;
    Channel m_right;
};
