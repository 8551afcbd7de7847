#include "Biquad.h"

#include "StereoBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Angle {
    double cosw, alpha;
};

Angle angleOf(double freq, double q)
{
    const double w = 2.0 * std::numbers::pi * std::clamp(freq, 5.0, 0.49 * StereoBuffer::kRate) /
                     StereoBuffer::kRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

} // namespace

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2)
{
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = a1 / a0;
    m_a2 = a2 / a0;
}

void Biquad::setLowPass(double freq, double q)
{
    const auto [c, a] = angleOf(freq, q);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

void Biquad::setHighPass(double freq, double q)
{
    const auto [c, a] = angleOf(freq, q);
    set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

void Biquad::setBandPass(double freq, double q)
{
    const auto [c, a] = angleOf(freq, q);
    set(a, 0, -a, 1 + a, -2 * c, 1 - a);
}
