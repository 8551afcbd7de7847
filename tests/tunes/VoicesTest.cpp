#include "Voices.h"
#include "NoiseSource.h"
#include "StereoBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <vector>

namespace {

constexpr double kRate = StereoBuffer::kRate;
constexpr double kStart = 0.1;

std::size_t frame(double seconds)
{
    return std::size_t(seconds * kRate);
}

// Amplitude of the sine at `frequency` through a Hann window: a pure sine of
// amplitude A gives about A.
double amplitudeAt(const float* samples, std::size_t count, double frequency)
{
    const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * frequency / kRate);
    std::complex<double> turn = 1.0, sum = 0.0;
    double windowSum = 0.0;
    for (std::size_t i = 0; i < count; ++i, turn *= step) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / double(count));
        sum += double(samples[i]) * w * turn;
        windowSum += w;
    }
    return 2.0 * std::abs(sum) / windowSum;
}

double rms(const float* samples, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(count));
}

struct VoiceCase {
    Voice voice;
    const char* name;
    double low; // two pitches in the voice's range, Hz
    double high;
    double toleranceCents; // detuned voices spread their pitch on purpose
};

void PrintTo(const VoiceCase& voiceCase, std::ostream* out)
{
    *out << voiceCase.name;
}

class VoiceNote : public ::testing::TestWithParam<VoiceCase> {
protected:
    // One note held half a second, starting `kStart` into an empty buffer;
    // returns the two channels' average.
    static std::vector<float> play(double frequency)
    {
        StereoBuffer out;
        NoiseSource random(7);
        playNote(GetParam().voice, {kStart, 0.5, frequency, 0.8f, 0.0f}, out, random);
        std::vector<float> mid(out.frames());
        for (std::size_t i = 0; i < out.frames(); ++i)
            mid[i] = 0.5f * (out.left()[i] + out.right()[i]);
        return mid;
    }
};

TEST_P(VoiceNote, SoundsItsPitchAndStartsAndEndsWithoutAClick)
{
    for (const double f : {GetParam().low, GetParam().high}) {
        SCOPED_TRACE(::testing::Message() << f << " Hz");
        const auto mid = play(f);
        // At least a score of periods, so low notes are resolved as finely.
        const std::size_t count = frame(std::max(0.3, 24.0 / f));
        ASSERT_GT(mid.size(), frame(kStart + 0.05) + count);
        const float* window = mid.data() + frame(kStart + 0.05);
        // The strongest partial near the note lies within the tolerance of its
        // pitch: nearer to it than to a pitch twice the tolerance away.
        const double atPitch = amplitudeAt(window, count, f);
        for (const double cents : {-2.0, 2.0})
            EXPECT_GE(atPitch,
                      amplitudeAt(window, count,
                                  f * std::pow(2.0, cents * GetParam().toleranceCents / 1200.0)));
        // The fundamental carries a good part of the sound, not just leakage.
        EXPECT_GT(atPitch / (std::sqrt(2.0) * rms(window, count)), 0.3);

        // Silence until the note's time, then no step into it: the first
        // tenth of a millisecond stays far below the note's peak.
        const float peak = std::fabs(*std::max_element(
            mid.begin(), mid.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
        ASSERT_GT(peak, 0.01f);
        const std::size_t start = frame(kStart);
        for (std::size_t i = 0; i < start; ++i)
            ASSERT_EQ(mid[i], 0.0f) << "sound before the note's time at " << i;
        for (std::size_t i = start; i < start + 4; ++i)
            EXPECT_LT(std::fabs(mid[i]), 0.2f * peak) << i - start;
        // Even the ringing bars stop within a few seconds, and the last sample
        // meets the silence after it without a step.
        EXPECT_LT(double(mid.size()) / kRate, kStart + 15.0);
        EXPECT_LT(std::fabs(mid.back()), 1e-3f * peak);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Voices, VoiceNote,
    ::testing::Values(VoiceCase{Voice::MusicBox, "MusicBox", 523.25, 1760.0, 3.0},
                      VoiceCase{Voice::Celesta, "Celesta", 523.25, 1760.0, 3.0},
                      VoiceCase{Voice::Glockenspiel, "Glockenspiel", 880.0, 2093.0, 3.0},
                      VoiceCase{Voice::Piano, "Piano", 130.81, 440.0, 3.0},
                      VoiceCase{Voice::Pad, "Pad", 220.0, 440.0, 8.0},
                      VoiceCase{Voice::Pizzicato, "Pizzicato", 98.0, 440.0, 3.0},
                      VoiceCase{Voice::Bass, "Bass", 41.2, 110.0, 3.0},
                      VoiceCase{Voice::Reed, "Reed", 293.66, 587.33, 3.0}),
    ::testing::PrintToStringParamName());

} // namespace
