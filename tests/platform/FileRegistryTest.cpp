#include "platform/FileRegistry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using platform::Registry;
using Result = Registry::Result;
constexpr auto kUser = Registry::Root::CurrentUser;

class FileRegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    platform::FileRegistry files{dir.filePath("Varnel/Yulavin/registry.ini"),
                                 dir.filePath("autostart")};
    Registry& registry = files;
    Registry::Value value;
};

TEST_F(FileRegistryTest, RunValueIsAnAutostartEntryThatRoundTripsTheExactPath)
{
    const QString run = QString::fromLatin1(Registry::kRunKey);
    const QString program = "/home/ann/My Apps/50% \"off\"/$HOME\\yulavin";
    ASSERT_EQ(registry.set(kUser, run, "Yulavin", program, false), Result::Ok);
    QFile entry(dir.filePath("autostart/Yulavin.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(
        text.contains("Exec=\"/home/ann/My Apps/50%% \\\\\"off\\\\\"/\\\\$HOME\\\\\\\\yulavin\"\n"))
        << text.constData();
    ASSERT_EQ(registry.get(kUser, run, "Yulavin", value), Result::Ok);
    EXPECT_EQ(std::get<QString>(value), program);

    EXPECT_EQ(registry.remove(kUser, run, "Yulavin"), Result::Ok);
    EXPECT_FALSE(entry.exists());
    EXPECT_EQ(registry.remove(kUser, run, "Yulavin"), Result::NotFound);
}

// Names match without case, each root is apart, and a key must exist to open.
TEST_F(FileRegistryTest, OtherValuesKeepTheirTypeAndKeysMustExistToOpen)
{
    const QString key = "Software\\Varnel\\Yulavin";
    const QString time = "1796000000";
    EXPECT_EQ(registry.set(kUser, key, "LastUpdateCheck", time, false), Result::NotFound);
    ASSERT_EQ(registry.set(kUser, key, "LastUpdateCheck", time, true), Result::Ok);
    const auto machine = Registry::Root::LocalMachine;
    ASSERT_EQ(registry.set(machine, key, "OEMBackground", uint32_t(1), true), Result::Ok);

    ASSERT_EQ(registry.get(kUser, "software\\VARNEL\\yulavin", "lastupdatecheck", value),
              Result::Ok);
    EXPECT_EQ(std::get<QString>(value), time);
    ASSERT_EQ(registry.get(machine, key, "OEMBackground", value), Result::Ok);
    EXPECT_EQ(std::get<uint32_t>(value), 1u);
    EXPECT_EQ(registry.get(kUser, key, "OEMBackground", value), Result::NotFound);
}

} // namespace
