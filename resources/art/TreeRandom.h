#pragma once

#include <cstdint>

// The trees are drawn from a fixed seed so every build yields the same
// pictures, and every frame of one tree scatters its needles identically.
class TreeRandom final {
public:
    explicit TreeRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        // splitmix64: tiny, fast and good enough for scattering needles.
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double range(double low, double high) { return low + (high - low) * unit(); }

    int below(int count) { return static_cast<int>(unit() * count); }

    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t m_state;
};
