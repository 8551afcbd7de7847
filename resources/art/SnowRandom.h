#pragma once

#include <cstdint>

// Seeded random numbers for the snow pictures. Every picture is drawn from a
// fixed seed, so a rebuild writes byte-identical files and the resource pack
// does not change when nothing was touched.
class SnowRandom final {
public:
    explicit SnowRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        // splitmix64: tiny, fast and gives the same numbers with every compiler.
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double range(double low, double high) { return low + (high - low) * unit(); }

    // Uniform in [0, count).
    int below(int count) { return static_cast<int>(unit() * count); }

private:
    std::uint64_t m_state;
};
