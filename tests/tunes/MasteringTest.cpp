#include "SignalMeasures.h"

#include "Mastering.h"
#include "NoiseSource.h"
#include "StereoBuffer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace SignalMeasures;

constexpr double kRate = StereoBuffer::kRate;
constexpr double kCeilingDb = -3.5;

class Mastering : public ::testing::Test {
protected:
    static double ceiling() { return std::pow(10.0, kCeilingDb / 20.0); }

    static std::size_t frame(double seconds) { return std::size_t(seconds * kRate); }

    // A few steady tones, different in each channel, as a held chord would be.
    static StereoBuffer chord(double seconds, float amplitude)
    {
        StereoBuffer out(frame(seconds));
        for (std::size_t i = 0; i < out.frames(); ++i) {
            const double t = double(i) / kRate;
            const double a = std::sin(2 * std::numbers::pi * 261.63 * t) +
                             std::sin(2 * std::numbers::pi * 329.63 * t + 1.0) +
                             std::sin(2 * std::numbers::pi * 392.0 * t + 2.0);
            const double b = std::sin(2 * std::numbers::pi * 196.0 * t + 0.5) +
                             std::sin(2 * std::numbers::pi * 493.88 * t + 1.5);
            out.left()[i] = float(amplitude * a / 3.0);
            out.right()[i] = float(amplitude * b / 2.0);
        }
        return out;
    }

    // Soft rumble with sharp crackles now and then, as a fire sounds.
    static StereoBuffer crackles(double seconds)
    {
        StereoBuffer out(frame(seconds));
        NoiseSource random(3);
        float low = 0;
        for (std::size_t i = 0; i < out.frames(); ++i) {
            low = 0.995f * low + 0.005f * random.white();
            out.left()[i] = low;
            out.right()[i] = low;
        }
        for (std::size_t at = 0; at + 400 < out.frames();
             at += frame(0.05 + 0.2 * random.uniform())) {
            const float strength = float(random.range(0.2, 1.0));
            for (std::size_t i = 0; i < 200; ++i) {
                const float s = strength * random.white() * std::exp(-float(i) / 40.0f);
                out.left()[at + i] += s;
                out.right()[at + i] += 0.7f * s;
            }
        }
        return out;
    }

    static std::vector<float> channel(const StereoBuffer& audio, bool left)
    {
        const float* p = left ? audio.left() : audio.right();
        return {p, p + audio.frames()};
    }
};

TEST_F(Mastering, LimiterHoldsALoudBurstAtTheCeiling)
{
    StereoBuffer tune = chord(2.0, 0.5);
    // A burst four times over the ceiling, and one lone sample far over it.
    for (std::size_t i = frame(0.8); i < frame(0.85); ++i) {
        tune.left()[i] *= 6.0f;
        tune.right()[i] *= 6.0f;
    }
    tune.left()[frame(1.5)] = 8.0f;
    tune.right()[frame(1.5) + 1] = -8.0f;
    limitPeaks(tune, kCeilingDb);
    EXPECT_LE(tune.peak(), ceiling() * (1.0 + 1e-6));
}

TEST_F(Mastering, LimiterTurnsALoudToneDownWithoutDistorting)
{
    // A steady tone three times over the ceiling comes out as the same clean
    // tone, quieter: gain that followed each wave would flatten its tops.
    StereoBuffer tune(frame(1.0));
    for (std::size_t i = 0; i < tune.frames(); ++i) {
        const float s = float(2.0 * std::sin(2 * std::numbers::pi * 440.0 * double(i) / kRate));
        tune.left()[i] = s;
        tune.right()[i] = s;
    }
    limitPeaks(tune, kCeilingDb);
    const float* steady = tune.left() + frame(0.3);
    const std::size_t count = frame(0.5);
    const double tone = amplitudeAt(steady, count, 440.0, kRate);
    EXPECT_NEAR(tone, ceiling(), 0.01);
    for (const double harmonic : {880.0, 1320.0, 2200.0})
        EXPECT_LT(toDb(amplitudeAt(steady, count, harmonic, kRate) / tone), -60.0) << harmonic;
}

TEST_F(Mastering, LimiterLeavesQuietSoundAlone)
{
    const StereoBuffer quiet = chord(1.0, 0.5);
    ASSERT_LT(quiet.peak(), ceiling());
    StereoBuffer tune = quiet;
    limitPeaks(tune, kCeilingDb);
    for (std::size_t i = 0; i < tune.frames(); ++i) {
        ASSERT_EQ(tune.left()[i], quiet.left()[i]) << i;
        ASSERT_EQ(tune.right()[i], quiet.right()[i]) << i;
    }
}

TEST_F(Mastering, LimiterLetsGoSoonAfterAPeak)
{
    const StereoBuffer before = chord(2.0, 0.5);
    StereoBuffer tune = before;
    for (std::size_t i = frame(0.5); i < frame(0.52); ++i)
        tune.left()[i] *= 10.0f;
    limitPeaks(tune, kCeilingDb);
    // Untouched until shortly before the burst, back to full level 0.3 s after it.
    EXPECT_NEAR(rmsDb(tune.left(), frame(0.2), frame(0.2)),
                rmsDb(before.left(), frame(0.2), frame(0.2)), 0.01);
    EXPECT_NEAR(rmsDb(tune.right(), frame(0.85), frame(0.5)),
                rmsDb(before.right(), frame(0.85), frame(0.5)), 0.1);
}

TEST_F(Mastering, LoudnessReachesItsTargetUnderTheCeiling)
{
    for (const double target : {-20.0, -16.0}) {
        StereoBuffer tune = chord(2.0, 0.05);
        normaliseLoudness(tune, target, kCeilingDb);
        EXPECT_NEAR(toDb(tune.rms()), target, 0.5) << target;
        EXPECT_LE(tune.peak(), ceiling() * (1.0 + 1e-6)) << target;
    }
}

TEST_F(Mastering, CracklesReachTheirLoudnessToo)
{
    StereoBuffer tune = crackles(4.0);
    ASSERT_GT(toDb(tune.peak() / tune.rms()), 20.0);
    normaliseLoudness(tune, -23.0, kCeilingDb);
    EXPECT_NEAR(toDb(tune.rms()), -23.0, 0.5);
    EXPECT_LE(tune.peak(), ceiling() * (1.0 + 1e-6));
}

TEST_F(Mastering, FadeEndsTheTuneOnTimeInSilence)
{
    StereoBuffer tune = chord(3.0, 0.5);
    fadeOutAndTrim(tune, 2.0, 0.5);
    ASSERT_EQ(tune.frames(), frame(2.0));
    EXPECT_LT(std::fabs(tune.left()[0]), 1e-6f);
    EXPECT_LT(std::fabs(tune.left()[tune.frames() - 1]), 1e-4f);
    EXPECT_LT(std::fabs(tune.right()[tune.frames() - 1]), 1e-4f);
    // Half way through the fade the level is about halved (-6 dB), and
    // before the fade untouched.
    EXPECT_NEAR(rmsDb(tune.left(), frame(1.73), frame(0.04)),
                rmsDb(tune.left(), frame(1.0), frame(0.4)) - 6.0, 1.0);
}

TEST_F(Mastering, LoopSeamStepsNoMoreThanTheSoundDoes)
{
    // Wind: noise through a gentle low-pass, plus a hum whose period does not
    // divide the loop.
    const std::size_t loop = frame(3.0);
    const std::size_t fade = frame(0.5);
    StereoBuffer tune(loop + fade);
    NoiseSource random(11);
    float l = 0, r = 0;
    for (std::size_t i = 0; i < tune.frames(); ++i) {
        l = 0.97f * l + 0.03f * random.white();
        r = 0.97f * r + 0.03f * random.white();
        const float hum = 0.05f * float(std::sin(2 * std::numbers::pi * 97.3 * double(i) / kRate));
        tune.left()[i] = l + hum;
        tune.right()[i] = r - hum;
    }
    // Cut without the crossfade, the seam would be a click.
    StereoBuffer cut = tune;
    cut.resize(loop);
    closeLoop(tune, loop);
    ASSERT_EQ(tune.frames(), loop);
    for (const bool left : {true, false}) {
        const auto samples = channel(tune, left);
        const double ordinary = stepPercentile(samples, 0.99);
        EXPECT_LE(std::fabs(samples.back() - samples.front()), ordinary) << left;
        const auto plain = channel(cut, left);
        EXPECT_GT(std::fabs(plain.back() - plain.front()),
                  std::fabs(samples.back() - samples.front()));
        // The fade keeps the level of unrelated sounds steady.
        EXPECT_NEAR(rmsDb(samples.data(), fade / 2 - frame(0.05), frame(0.1)),
                    rmsDb(samples.data(), frame(1.5), frame(1.0)), 1.5)
            << left;
    }
}

TEST(MasteringDecibels, ConvertsAmplitudes)
{
    EXPECT_NEAR(toDb(1.0), 0.0, 1e-12);
    EXPECT_NEAR(toDb(0.5), -6.0206, 1e-4);
    EXPECT_NEAR(toDb(0.0), -240.0, 1e-9);
}

} // namespace
