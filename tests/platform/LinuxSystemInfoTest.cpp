#include "platform/LinuxSystemInfo.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(LinuxSystemInfo, VersionOverrideParsesAndFallsBackToTen)
{
    using platform::LinuxSystemInfo;
    EXPECT_EQ(LinuxSystemInfo::parseVersion("5.1"), std::make_pair(5, 1));
    EXPECT_EQ(LinuxSystemInfo::parseVersion(" 6.0 "), std::make_pair(6, 0));
    EXPECT_EQ(LinuxSystemInfo::parseVersion("10.0"), std::make_pair(10, 0));
    EXPECT_EQ(LinuxSystemInfo::parseVersion(""), std::make_pair(10, 0));
    EXPECT_EQ(LinuxSystemInfo::parseVersion("seven"), std::make_pair(10, 0));
    EXPECT_EQ(LinuxSystemInfo::parseVersion("6"), std::make_pair(10, 0));
}

TEST(LinuxSystemInfo, VersionComesFromTheEnvironment)
{
    qputenv("YULAVIN_WINDOWS_VERSION", "6.1");
    platform::LinuxSystemInfo seven;
    qunsetenv("YULAVIN_WINDOWS_VERSION");
    EXPECT_TRUE(seven.versionAtLeast(6, 1));
    EXPECT_FALSE(seven.versionAtLeast(6, 2));
    platform::LinuxSystemInfo standard;
    EXPECT_TRUE(standard.versionAtLeast(10, 0));
}

TEST(LinuxSystemInfo, AppDataIsTheConfigurationFolder)
{
    platform::LinuxSystemInfo system;
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty());
    EXPECT_EQ(system.expandEnvironment("%APPDATA%\\Varnel"), config + "\\Varnel");
    EXPECT_EQ(system.expandEnvironment("%NO_SUCH_VARIABLE_HERE%/x"), "%NO_SUCH_VARIABLE_HERE%/x");
    EXPECT_EQ(system.expandEnvironment("100% sure"), "100% sure");
}

TEST(LinuxSystemInfo, ProgramPathIsThisProgram)
{
    platform::LinuxSystemInfo system;
    EXPECT_TRUE(system.programPath().endsWith("/platform_tests"));
}

} // namespace
