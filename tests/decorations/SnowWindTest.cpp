#include "decorations/SnowTest.h"

#include <string>

namespace {

class SnowCalm : public SnowTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    uint32_t wind() const { return GetParam(); }
    // Seconds until the gust starts or ends, at most the limit.
    uint32_t secondsUntilGustIs(bool gust, uint32_t limit)
    {
        uint32_t seconds = 0;
        for (; m_snow->m_bGust != gust && seconds < limit; ++seconds)
            m_platform.scheduler.advance(1000);
        return seconds;
    }
};

TEST_P(SnowCalm, NoGustBeforeTheCalmIsOverThenGustsStart)
{
    const uint32_t calm = 120 - 12 * wind();
    options().uSnowWind = wind();
    options().uSnowSpeed = 1;
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        CDlgSnow& snow = createSnow();
        crt::srand(seed);
        const uint32_t second = secondsUntilGustIs(true, calm + 60);
        ASSERT_TRUE(snow.m_bGust) << "seed " << seed;
        EXPECT_GT(second, calm) << "seed " << seed;
        EXPECT_LT(snow.m_nGustLength, 12 * wind());

        // The gust ends after its length (at least a second), and the calm
        // that follows is as long as the first one.
        const uint32_t gustSeconds = secondsUntilGustIs(false, 200);
        EXPECT_GE(gustSeconds, 1u);
        EXPECT_LE(gustSeconds, snow.m_nGustLength + 1);
        const uint32_t calmSeconds = secondsUntilGustIs(true, calm + 60);
        EXPECT_TRUE(snow.m_bGust);
        EXPECT_GE(calmSeconds, calm);
        snow.DestroyWindow();
    }
}

INSTANTIATE_TEST_SUITE_P(Winds, SnowCalm, ::testing::Values(2u, 3u, 4u, 5u, 6u, 7u, 8u),
                         ::testing::PrintToStringParamName());

TEST_F(SnowTest, WindOneNeverGustsAndWindNineBlowsOneWayAllTheTime)
{
    options().uSnowSpeed = 1;
    int toTheRight = 0;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        options().uSnowWind = seed == 1 ? 1 : 9;
        CDlgSnow& snow = makeSnow();
        crt::srand(seed);
        snow.Create();
        const bool right = snow.m_bGustRight;
        toTheRight += seed > 1 && right ? 1 : 0;
        for (int second = 0; second < 1000; ++second) {
            ASSERT_EQ(snow.m_bGust, seed > 1) << second;
            ASSERT_TRUE(seed == 1 || snow.m_bGustRight == right) << second;
            m_platform.scheduler.advance(1000);
        }
        snow.DestroyWindow();
    }
    // The way is drawn at random.
    EXPECT_GT(toTheRight, 0);
    EXPECT_LT(toTheRight, 7);
}

} // namespace
