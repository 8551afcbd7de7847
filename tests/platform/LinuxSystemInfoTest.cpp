#include "platform/LinuxSystemInfo.h"

#include <gtest/gtest.h>

#include <unistd.h>

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

TEST(LinuxSystemInfo, FoldersAreTheUsersAndTheProgramIsThisOne)
{
    // %APPDATA% is the configuration folder, %windir% the emulated Windows
    // folder among the user's data.
    platform::LinuxSystemInfo system;
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    ASSERT_FALSE(qEnvironmentVariable("XDG_DATA_HOME").isEmpty());
    EXPECT_EQ(system.expandEnvironment("%APPDATA%"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    EXPECT_EQ(system.expandEnvironment("%windir%\\System32"),
              qEnvironmentVariable("XDG_DATA_HOME") + "/Yulavin/windows\\System32");
    EXPECT_TRUE(system.programPath().endsWith("/platform_tests"));
    EXPECT_EQ(system.isAdministrator(), geteuid() == 0);
    EXPECT_EQ(system.runtimeDir(), qEnvironmentVariable("XDG_RUNTIME_DIR"));
}

} // namespace
