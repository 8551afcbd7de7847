#pragma once

#include <cmath>
#include <cstdint>

// A small seeded generator (xorshift64*), so every build writes the same tunes
// byte for byte on every machine; the standard distributions are not portable.
class NoiseSource final {
public:
    explicit NoiseSource(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}

    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }
    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform in [-1, 1): white noise.
    float white() { return float(2.0 * uniform() - 1.0); }
    // Waiting time of a Poisson process with the given events per second.
    double exponential(double rate) { return -std::log(1.0 - uniform()) / rate; }

private:
    std::uint64_t m_state;
};
