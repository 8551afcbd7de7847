#pragma once

#include <cstdint>

// A small seeded generator so that every build draws exactly the same
// pictures, whatever the standard library's distributions do.
class LogonRandom final {
public:
    explicit LogonRandom(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}

    // Uniform in [0, 1).
    double next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) * (1.0 / 9007199254740992.0);
    }

    double range(double low, double high) { return low + (high - low) * next(); }

    int below(int count) { return int(next() * count); }

    bool chance(double probability) { return next() < probability; }

private:
    std::uint64_t m_state;
};
