#include "StereoBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

StereoBuffer::StereoBuffer(std::size_t frames) : m_left(frames, 0.0f), m_right(frames, 0.0f) {}

void StereoBuffer::resize(std::size_t frames)
{
    m_left.resize(frames, 0.0f);
    m_right.resize(frames, 0.0f);
}

void StereoBuffer::dropFront(std::size_t frames)
{
    frames = std::min(frames, this->frames());
    m_left.erase(m_left.begin(), m_left.begin() + std::ptrdiff_t(frames));
    m_right.erase(m_right.begin(), m_right.begin() + std::ptrdiff_t(frames));
}

void StereoBuffer::ensure(std::size_t frames)
{
    if (frames > m_left.size())
        resize(frames);
}

void StereoBuffer::addMono(std::size_t offset, const std::vector<float>& mono, float gain,
                           float pan)
{
    ensure(offset + mono.size());
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    const float gl = gain * float(std::cos(angle) * std::numbers::sqrt2);
    const float gr = gain * float(std::sin(angle) * std::numbers::sqrt2);
    float* l = m_left.data() + offset;
    float* r = m_right.data() + offset;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        l[i] += gl * mono[i];
        r[i] += gr * mono[i];
    }
}

void StereoBuffer::mix(const StereoBuffer& other, float gain, std::size_t offset)
{
    ensure(offset + other.frames());
    for (std::size_t i = 0; i < other.frames(); ++i) {
        m_left[offset + i] += gain * other.m_left[i];
        m_right[offset + i] += gain * other.m_right[i];
    }
}

void StereoBuffer::scale(float gain)
{
    for (float& s : m_left)
        s *= gain;
    for (float& s : m_right)
        s *= gain;
}

double StereoBuffer::peak() const
{
    double p = 0.0;
    for (std::size_t i = 0; i < frames(); ++i)
        p = std::max({p, double(std::fabs(m_left[i])), double(std::fabs(m_right[i]))});
    return p;
}

double StereoBuffer::rms() const
{
    if (frames() == 0)
        return 0.0;
    double sum = 0.0;
    for (std::size_t i = 0; i < frames(); ++i)
        sum += double(m_left[i]) * m_left[i] + double(m_right[i]) * m_right[i];
    return std::sqrt(sum / (2.0 * frames()));
}
