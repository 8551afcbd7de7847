#include "core/ProgramResources.h"
#include "core/WindowsVersion.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadPngResource, UnknownIdsGiveNothing)
{
    EXPECT_EQ(LoadPngResource(138), nullptr);
    EXPECT_EQ(LoadPngResource(588), nullptr);
    EXPECT_EQ(LoadPngResource(201), nullptr);
}

TEST(LoadPngResource, PicturesKeepTheirPixelSizeAndAlpha)
{
    auto bulb = LoadPngResource(139);
    ASSERT_NE(bulb, nullptr);
    EXPECT_EQ(bulb->size(), QSize(48, 48));
    EXPECT_EQ(bulb->format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(bulb->devicePixelRatio(), 1.0);
    // Each call gives the caller a picture of its own.
    auto again = LoadPngResource(139);
    EXPECT_NE(again.get(), bulb.get());
}

TEST(LoadResourceString, TitleAndTableEnd)
{
    EXPECT_EQ(LoadResourceString(57344), "Yulavin");
    EXPECT_FALSE(LoadResourceString(128).isEmpty());
    EXPECT_TRUE(LoadResourceString(129).isEmpty());
}

struct VersionCase {
    int major, minor;
    bool xp, vista, seven, eight, ten;
};

class WindowsVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionTest, FiveThresholds)
{
    FakePlatform services;
    const VersionCase& c = GetParam();
    services.system.setVersion(c.major, c.minor);
    EXPECT_EQ(IsWindowsVersionOrGreater(5, 1), c.xp);
    EXPECT_EQ(IsWindowsVersionOrGreater(6, 0), c.vista);
    EXPECT_EQ(IsWindowsVersionOrGreater(6, 1), c.seven);
    EXPECT_EQ(IsWindowsVersionOrGreater(6, 2), c.eight);
    EXPECT_EQ(IsWindowsVersionOrGreater(10, 0), c.ten);
}

INSTANTIATE_TEST_SUITE_P(Emulated, WindowsVersionTest,
                         ::testing::Values(VersionCase{5, 1, true, false, false, false, false},
                                           VersionCase{6, 0, true, true, false, false, false},
                                           VersionCase{6, 1, true, true, true, false, false},
                                           VersionCase{10, 0, true, true, true, true, true}),
                         [](const auto& testCase) {
                             return "Windows" + std::to_string(testCase.param.major) + "_" +
                                    std::to_string(testCase.param.minor);
                         });

} // namespace
