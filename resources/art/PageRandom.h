#pragma once

#include <cstdint>

// The settings-window pictures scatter snowflakes, stars and lights with this
// generator, always from a fixed seed, so every build draws the same pixels.
class PageRandom final {
public:
    explicit PageRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

    double uniform(double low, double high) { return low + (high - low) * unit(); }

    // Uniform integer in [low, high].
    int range(int low, int high) { return low + int(next() % std::uint64_t(high - low + 1)); }

private:
    std::uint64_t m_state;
};
