#pragma once

#include "NoiseSource.h"
#include "StereoBuffer.h"

#include <cmath>
#include <numbers>

// A slowly wandering value between `lo` and `hi`: a new target every
// `minHold`..`maxHold` seconds, reached along a half cosine.
class Drift final {
public:
    Drift(NoiseSource& random, double lo, double hi, double minHold, double maxHold)
        : m_random(random), m_lo(lo), m_hi(hi), m_minHold(minHold), m_maxHold(maxHold),
          m_from(random.range(lo, hi)), m_to(random.range(lo, hi)),
          m_length(random.range(minHold, maxHold))
    {
    }
    double next()
    {
        m_t += 1.0 / StereoBuffer::kRate;
        if (m_t >= m_length) {
            m_t -= m_length;
            m_from = m_to;
            m_to = m_random.range(m_lo, m_hi);
            m_length = m_random.range(m_minHold, m_maxHold);
        }
        const double x = 0.5 - 0.5 * std::cos(std::numbers::pi * m_t / m_length);
        return m_from + (m_to - m_from) * x;
    }

private:
    NoiseSource& m_random;
    double m_lo, m_hi, m_minHold, m_maxHold;
    double m_from, m_to, m_length;
    double m_t = 0.0;
};
