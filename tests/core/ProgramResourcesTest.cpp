#include "core/ProgramResources.h"
#include "core/WindowsVersion.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramResources, PicturesKeepTheirPixelSizeAndAlphaAndUnknownIdsGiveNothing)
{
    auto bulb = LoadPngResource(139);
    ASSERT_NE(bulb, nullptr);
    EXPECT_EQ(bulb->size(), QSize(48, 48));
    EXPECT_EQ(bulb->format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(bulb->devicePixelRatio(), 1.0);
    EXPECT_EQ(LoadPngResource(138), nullptr);
    EXPECT_EQ(LoadPngResource(201), nullptr);
}

TEST(ProgramResources, StringTableHasTheTitleAndEndsAfter128)
{
    EXPECT_EQ(LoadResourceString(57344), "Yulavin");
    EXPECT_FALSE(LoadResourceString(128).isEmpty());
    EXPECT_TRUE(LoadResourceString(129).isEmpty());
}

// The emulated version: which of the five thresholds it reaches.
class WindowsVersionTest : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(WindowsVersionTest, ReachesTheThresholdsUpToItsOwn)
{
    const auto [major, minor, reached] = GetParam();
    FakePlatform services;
    services.system.setVersion(major, minor);
    const std::pair<int, int> thresholds[] = {{5, 1}, {6, 0}, {6, 1}, {6, 2}, {10, 0}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(IsWindowsVersionOrGreater(thresholds[i].first, thresholds[i].second), i < reached)
            << i;
}

INSTANTIATE_TEST_SUITE_P(Emulated, WindowsVersionTest,
                         ::testing::Values(std::tuple{5, 1, 1}, std::tuple{6, 0, 2},
                                           std::tuple{6, 1, 3}, std::tuple{10, 0, 5}));

} // namespace
