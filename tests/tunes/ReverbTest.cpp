#include "SignalMeasures.h"

#include "Reverb.h"
#include "StereoBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace SignalMeasures;

constexpr double kRate = StereoBuffer::kRate;

class ReverbTail : public ::testing::TestWithParam<float> {
protected:
    // The room's answer to one click in both channels.
    static StereoBuffer impulseResponse(float roomSize, double seconds)
    {
        StereoBuffer click(1);
        click.left()[0] = 1.0f;
        click.right()[0] = 1.0f;
        Reverb room(roomSize, 0.35f);
        return room.process(click, seconds);
    }

    // Levels of successive blocks of `blockSeconds`, in dB.
    static std::vector<double> blockLevels(const float* samples, std::size_t frames,
                                           double blockSeconds)
    {
        const auto block = std::size_t(blockSeconds * kRate);
        std::vector<double> levels;
        for (std::size_t at = 0; at + block <= frames; at += block)
            levels.push_back(rmsDb(samples, at, block));
        return levels;
    }
};

TEST_P(ReverbTail, DecaysBelowSixtyDecibelsInBoundedTime)
{
    const StereoBuffer wet = impulseResponse(GetParam(), 5.0);
    for (const float* channel : {wet.left(), wet.right()}) {
        const auto levels = blockLevels(channel, wet.frames(), 0.01);
        const double loudest = *std::max_element(levels.begin(), levels.end());
        ASSERT_GT(loudest, -80.0);
        // The time after which the tail stays 60 dB below its loudest.
        std::size_t lastLoud = 0;
        for (std::size_t i = 0; i < levels.size(); ++i)
            if (levels[i] > loudest - 60.0)
                lastLoud = i;
        const double rt60 = double(lastLoud + 1) * 0.01;
        EXPECT_LT(rt60, 3.0);
        // Still a room: the sound lingers a while.
        EXPECT_GT(rt60, 0.4);
    }
}

TEST_P(ReverbTail, NeverGrowsOnceTheClickHasPassed)
{
    const StereoBuffer wet = impulseResponse(GetParam(), 4.0);
    for (const float* channel : {wet.left(), wet.right()}) {
        const auto levels = blockLevels(channel, wet.frames(), 0.1);
        ASSERT_GT(levels.size(), 30u);
        // The first block holds the build-up of the echoes; after it every
        // tenth of a second is quieter than the one before.
        for (std::size_t i = 2; i < levels.size(); ++i) {
            if (levels[i] < -200.0)
                break;
            EXPECT_LT(levels[i], levels[i - 1]) << "block " << i;
        }
    }
}

TEST_P(ReverbTail, SpreadsAcrossTheSpeakers)
{
    const StereoBuffer wet = impulseResponse(GetParam(), 1.0);
    double lr = 0, ll = 0, rr = 0;
    for (std::size_t i = 0; i < wet.frames(); ++i) {
        lr += double(wet.left()[i]) * wet.right()[i];
        ll += double(wet.left()[i]) * wet.left()[i];
        rr += double(wet.right()[i]) * wet.right()[i];
    }
    EXPECT_LT(std::fabs(lr) / std::sqrt(ll * rr), 0.5);
}

// The room sizes the tunes use, smallest to largest.
INSTANTIATE_TEST_SUITE_P(Rooms, ReverbTail, ::testing::Values(0.78f, 0.82f, 0.86f),
                         [](const auto& testCase) {
                             return "Room" + std::to_string(int(testCase.param * 100.0f + 0.5f));
                         });

TEST(ReverbLength, OutputRunsForInputPlusTail)
{
    StereoBuffer dry(1000);
    Reverb room(0.8f, 0.35f);
    EXPECT_EQ(room.process(dry, 0.5).frames(), 1000u + std::size_t(0.5 * kRate));
}

} // namespace
