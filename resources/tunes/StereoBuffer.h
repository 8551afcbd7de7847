#pragma once

#include <cstddef>
#include <vector>

// Two channels of float samples at the tunes' common rate; the whole mix of a
// tune lives in one of these until it is encoded.
class StereoBuffer final {
public:
    static constexpr int kRate = 44100;

    StereoBuffer() = default;
    explicit StereoBuffer(std::size_t frames);

    std::size_t frames() const { return m_left.size(); }
    double seconds() const { return double(frames()) / kRate; }
    void resize(std::size_t frames);
    void dropFront(std::size_t frames);

    float* left() { return m_left.data(); }
    float* right() { return m_right.data(); }
    const float* left() const { return m_left.data(); }
    const float* right() const { return m_right.data(); }

    // Adds a mono signal at a frame offset with constant-power panning
    // (-1 left .. +1 right); grows the buffer when the signal runs past its end.
    void addMono(std::size_t offset, const std::vector<float>& mono, float gain, float pan);
    void mix(const StereoBuffer& other, float gain, std::size_t offset = 0);
    void scale(float gain);

    double peak() const;
    double rms() const;

private:
    void ensure(std::size_t frames);

    std::vector<float> m_left;
    std::vector<float> m_right;
};
