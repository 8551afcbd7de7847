#pragma once

#include <cstdint>

// Seeded random numbers for every drawn picture. Each picture starts from a
// fixed seed, so a rebuild writes byte-identical files: needles, snowflakes and
// stars never move between releases, and the resource pack does not change
// when nothing was touched. splitmix64 is tiny, fast and gives the same numbers
// with every compiler and standard library.
class ArtRandom final {
public:
    explicit ArtRandom(std::uint64_t seed) : m_state(seed) {}

    // Multiplies the seed out first, so that small neighbouring seeds (101,
    // 202, ...) start far apart; the logon scenes were drawn this way.
    static ArtRandom spreadSeed(std::uint64_t seed)
    {
        return ArtRandom(seed * 0x9E3779B97F4A7C15ull + 1);
    }

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [low, high).
    double range(double low, double high) { return low + (high - low) * unit(); }

    // Uniform whole number in [0, count).
    int below(int count) { return static_cast<int>(unit() * count); }

    // Uniform whole number in [low, high], both ends included.
    int between(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    // Fractional bounds belong to range(); refuse them here rather than round.
    void between(double, double) = delete;

    // True with the given probability.
    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t m_state;
};
