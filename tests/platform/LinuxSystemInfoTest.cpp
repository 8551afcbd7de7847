#include "platform/LinuxSystemInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(LinuxSystemInfo, VersionComesFromTheEnvironmentElseTen)
{
    using platform::LinuxSystemInfo;
    for (const auto& [text, version] : {std::pair{"5.1", std::pair{5, 1}},
                                        {" 6.0 ", {6, 0}},
                                        {"10.0", {10, 0}},
                                        {"", {10, 0}},
                                        {"seven", {10, 0}},
                                        {"6", {10, 0}}})
        EXPECT_EQ(LinuxSystemInfo::parseVersion(text), version) << text;
    qputenv("YULAVIN_WINDOWS_VERSION", "6.1");
    LinuxSystemInfo seven;
    qunsetenv("YULAVIN_WINDOWS_VERSION");
    EXPECT_TRUE(seven.versionAtLeast(6, 1));
    EXPECT_FALSE(seven.versionAtLeast(6, 2));
    EXPECT_TRUE(LinuxSystemInfo().versionAtLeast(10, 0));
}

TEST(LinuxSystemInfo, AppDataIsTheConfigurationFolderAndTheProgramIsThisOne)
{
    // %APPDATA% is the only name the program expands.
    platform::LinuxSystemInfo system;
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    EXPECT_EQ(system.expandEnvironment("%APPDATA%"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    EXPECT_TRUE(system.programPath().endsWith("/platform_tests"));
}

} // namespace
