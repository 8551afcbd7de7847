#include "SignalMeasures.h"

#include "NoiseSource.h"
#include "StereoBuffer.h"
#include "Voices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

namespace {

using namespace SignalMeasures;

constexpr double kRate = StereoBuffer::kRate;
constexpr double kStart = 0.1;

double toDbOf(double linear)
{
    return 20.0 * std::log10(linear);
}

struct VoiceCase {
    Voice voice;
    const char* name;
    double low; // two pitches in the voice's range, Hz
    double high;
    double toleranceCents; // detuned voices spread their pitch on purpose
    bool struck;           // dies away even while the key is held
};

void PrintTo(const VoiceCase& voiceCase, std::ostream* out)
{
    *out << voiceCase.name;
}

class VoiceNote : public ::testing::TestWithParam<VoiceCase> {
protected:
    // One note, `holdSeconds` long, starting `kStart` into an empty buffer;
    // returns the two channels' average.
    static std::vector<float> play(double frequency, double holdSeconds)
    {
        StereoBuffer out;
        NoiseSource random(7);
        playNote(GetParam().voice, {kStart, holdSeconds, frequency, 0.8f, 0.0f}, out, random);
        std::vector<float> mid(out.frames());
        for (std::size_t i = 0; i < out.frames(); ++i)
            mid[i] = 0.5f * (out.left()[i] + out.right()[i]);
        return mid;
    }

    static std::size_t frame(double seconds) { return std::size_t(seconds * kRate); }

    static double levelAt(const std::vector<float>& mid, double seconds)
    {
        return rmsDb(mid.data(), frame(seconds), frame(0.05));
    }

    static double loudestLevel(const std::vector<float>& mid)
    {
        double loudest = -240.0;
        for (std::size_t at = 0; at + frame(0.05) <= mid.size(); at += frame(0.01))
            loudest = std::max(loudest, rmsDb(mid.data(), at, frame(0.05)));
        return loudest;
    }
};

TEST_P(VoiceNote, FundamentalSitsOnTheNotesPitch)
{
    for (const double f : {GetParam().low, GetParam().high}) {
        const auto mid = play(f, 1.5);
        // At least a score of periods, so low notes are resolved as finely.
        const std::size_t count = frame(std::max(0.3, 24.0 / f));
        ASSERT_GT(mid.size(), frame(kStart + 0.05) + count);
        const float* window = mid.data() + frame(kStart + 0.05);
        const double found = strongestFrequencyNear(window, count, f, 50.0, kRate);
        EXPECT_NEAR(centsBetween(found, f), 0.0, GetParam().toleranceCents) << f << " Hz";
        // The fundamental carries a good part of the sound, not just leakage.
        const double share = amplitudeAt(window, count, found, kRate) /
                             (std::sqrt(2.0) * std::pow(10.0, rmsDb(window, 0, count) / 20.0));
        EXPECT_GT(share, 0.3) << f << " Hz";
    }
}

TEST_P(VoiceNote, StartsFromSilenceAtItsTime)
{
    const auto mid = play(GetParam().high, 0.5);
    const std::size_t start = frame(kStart);
    ASSERT_GT(mid.size(), start + frame(0.1));
    for (std::size_t i = 0; i < start; ++i)
        ASSERT_EQ(mid[i], 0.0f) << "sound before the note's time at " << i;
    float peak = 0;
    for (float s : mid)
        peak = std::max(peak, std::fabs(s));
    ASSERT_GT(peak, 0.01f);
    EXPECT_LT(std::fabs(mid[start]), 1e-3f * peak);
    // No click: the first tenth of a millisecond stays far below the note's peak.
    for (std::size_t i = start; i < start + 4; ++i)
        EXPECT_LT(std::fabs(mid[i]), 0.2f * peak) << i - start;
    // And a struck note is really there within a few milliseconds; the
    // others swell in more slowly, but still well within the beat.
    const double rise = GetParam().struck ? 0.06 : 0.4;
    EXPECT_GT(loudestLevel({mid.begin() + std::ptrdiff_t(start),
                            mid.begin() + std::ptrdiff_t(start + frame(rise))}),
              toDbOf(peak) - 20.0);
}

TEST_P(VoiceNote, DiesAwayAndEndsInSilence)
{
    const double hold = 0.5;
    const auto mid = play(GetParam().low, hold);
    // Even the ringing bars stop within a few seconds.
    EXPECT_LT(double(mid.size()) / kRate, kStart + 15.0);
    const double loudest = loudestLevel(mid);
    EXPECT_LT(rmsDb(mid.data(), mid.size() - frame(0.05), frame(0.05)), loudest - 40.0);
    float peak = 0;
    for (float s : mid)
        peak = std::max(peak, std::fabs(s));
    // The last sample meets the silence after it without a step.
    EXPECT_LT(std::fabs(mid.back()), 1e-3f * peak);
}

TEST_P(VoiceNote, StruckVoicesFadeWhileHeldOthersSustain)
{
    const auto mid = play(GetParam().low, 3.0);
    // Whole seconds, so the slow beating of detuned strings averages out.
    const double early = rmsDb(mid.data(), frame(kStart + 0.4), frame(1.0));
    const double late = rmsDb(mid.data(), frame(kStart + 1.6), frame(1.0));
    if (GetParam().struck)
        EXPECT_LT(late, early - 3.0);
    else
        EXPECT_NEAR(late, early, 3.0);
}

// The voices that fall quiet when the key is let go; the others ring on.
class DampedVoiceNote : public VoiceNote {};

TEST_P(DampedVoiceNote, LettingGoDampsTheNote)
{
    const auto held = play(GetParam().low, 3.0);
    const auto released = play(GetParam().low, 0.4);
    const double at = kStart + 0.4 + 1.2;
    const double releasedLevel =
        released.size() >= frame(at + 0.05) ? levelAt(released, at) : -240.0;
    EXPECT_LT(releasedLevel, levelAt(held, at) - 6.0);
}

INSTANTIATE_TEST_SUITE_P(
    Voices, VoiceNote,
    ::testing::Values(VoiceCase{Voice::MusicBox, "MusicBox", 523.25, 1760.0, 3.0, true},
                      VoiceCase{Voice::Celesta, "Celesta", 523.25, 1760.0, 3.0, true},
                      VoiceCase{Voice::Glockenspiel, "Glockenspiel", 880.0, 2093.0, 3.0, true},
                      VoiceCase{Voice::Piano, "Piano", 130.81, 440.0, 3.0, true},
                      VoiceCase{Voice::Pad, "Pad", 220.0, 440.0, 8.0, false},
                      VoiceCase{Voice::Pizzicato, "Pizzicato", 98.0, 440.0, 3.0, true},
                      VoiceCase{Voice::Bass, "Bass", 41.2, 110.0, 3.0, false},
                      VoiceCase{Voice::Reed, "Reed", 293.66, 587.33, 3.0, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Voices, DampedVoiceNote,
    ::testing::Values(VoiceCase{Voice::Celesta, "Celesta", 523.25, 1760.0, 3.0, true},
                      VoiceCase{Voice::Piano, "Piano", 130.81, 440.0, 3.0, true},
                      VoiceCase{Voice::Pad, "Pad", 220.0, 440.0, 8.0, false},
                      VoiceCase{Voice::Bass, "Bass", 41.2, 110.0, 3.0, false},
                      VoiceCase{Voice::Reed, "Reed", 293.66, 587.33, 3.0, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(NoteFrequency, OctavesDoubleAndSemitonesAreEqual)
{
    EXPECT_DOUBLE_EQ(noteFrequency(69), 440.0);
    EXPECT_NEAR(noteFrequency(81) / noteFrequency(69), 2.0, 1e-12);
    for (int midi = 21; midi < 108; ++midi)
        EXPECT_NEAR(noteFrequency(midi + 1) / noteFrequency(midi), std::pow(2.0, 1.0 / 12.0),
                    1e-12);
}

} // namespace
