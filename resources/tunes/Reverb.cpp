#include "Reverb.h"

namespace {

constexpr int kCombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllpassLengths[] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;

} // namespace

Reverb::Reverb(float roomSize, float damping) : m_feedback(roomSize), m_damping(damping)
{
    for (int length : kCombLengths) {
        m_left.combs.push_back({std::vector<float>(std::size_t(length), 0.0f)});
        m_right.combs.push_back({std::vector<float>(std::size_t(length + kStereoSpread), 0.0f)});
    }
    for (int length : kAllpassLengths) {
        m_left.allpasses.push_back({std::vector<float>(std::size_t(length), 0.0f)});
        m_right.allpasses.push_back(
            {std::vector<float>(std::size_t(length + kStereoSpread), 0.0f)});
    }
}

float Reverb::run(Channel& channel, float input)
{
    float out = 0.0f;
    for (Comb& comb : channel.combs) {
        const float y = comb.line[comb.pos];
        comb.store = y * (1.0f - m_damping) + comb.store * m_damping;
        comb.line[comb.pos] = input + comb.store * m_feedback;
        if (++comb.pos == comb.line.size())
            comb.pos = 0;
        out += y;
    }
    for (Allpass& allpass : channel.allpasses) {
        const float buffered = allpass.line[allpass.pos];
        allpass.line[allpass.pos] = out + buffered * 0.5f;
        out = buffered - out;
        if (++allpass.pos == allpass.line.size())
            allpass.pos = 0;
    }
    return out;
}

StereoBuffer Reverb::process(const StereoBuffer& dry, double tailSeconds)
{
    const std::size_t frames = dry.frames() + std::size_t(tailSeconds * StereoBuffer::kRate);
    StereoBuffer wet(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        float mono = 0.0f;
        if (i < dry.frames())
            mono = (dry.left()[i] + dry.right()[i]) * kInputGain;
        wet.left()[i] = run(m_left, mono);
        wet.right()[i] = run(m_right, mono);
    }
    return wet;
}
