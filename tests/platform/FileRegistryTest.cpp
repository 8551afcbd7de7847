#include "platform/FileRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using platform::Registry;

class FileRegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    platform::FileRegistry files{dir.filePath("Varnel/Yulavin/registry.ini"), dir.filePath("autostart")};
    Registry& registry = files;
    const QString run = QString::fromLatin1(Registry::kRunKey);
};

TEST_F(FileRegistryTest, RunValueIsAnAutostartEntryThatRoundTripsTheExactPath)
{
    const QString program = "/home/ann/My Apps/50% \"off\"/$HOME\\yulavin";
    ASSERT_EQ(registry.set(Registry::Root::CurrentUser, run, "Yulavin", program, false), Registry::Result::Ok);
    QFile entry(dir.filePath("autostart/Yulavin.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(text.contains("Exec=\"/home/ann/My Apps/50%% \\\\\"off\\\\\"/\\\\$HOME\\\\\\\\yulavin\"\n"))
        << text.constData();

    Registry::Value value;
    ASSERT_EQ(registry.get(Registry::Root::CurrentUser, run, "Yulavin", value), Registry::Result::Ok);
    EXPECT_EQ(std::get<QString>(value), program);

    EXPECT_EQ(registry.remove(Registry::Root::CurrentUser, run, "Yulavin"), Registry::Result::Ok);
    EXPECT_FALSE(entry.exists());
    EXPECT_EQ(registry.get(Registry::Root::CurrentUser, run, "Yulavin", value), Registry::Result::NotFound);
    EXPECT_EQ(registry.remove(Registry::Root::CurrentUser, run, "Yulavin"), Registry::Result::NotFound);
}

TEST_F(FileRegistryTest, OtherValuesKeepTheirTypeAndKeysMustExistToOpen)
{
    const QString key = "Software\\Varnel\\Yulavin";
    Registry::Value value;
    EXPECT_EQ(registry.get(Registry::Root::CurrentUser, key, "LastUpdateCheck", value), Registry::Result::NotFound);
    EXPECT_EQ(registry.set(Registry::Root::CurrentUser, key, "LastUpdateCheck", QString("1796000000"), false),
              Registry::Result::NotFound);
    ASSERT_EQ(registry.set(Registry::Root::CurrentUser, key, "LastUpdateCheck", QString("1796000000"), true),
              Registry::Result::Ok);
    ASSERT_EQ(registry.set(Registry::Root::LocalMachine, key, "OEMBackground", uint32_t(1), true),
              Registry::Result::Ok);

    ASSERT_EQ(registry.get(Registry::Root::CurrentUser, "software\\VARNEL\\yulavin", "lastupdatecheck", value),
              Registry::Result::Ok);
    EXPECT_EQ(std::get<QString>(value), "1796000000");
    ASSERT_EQ(registry.get(Registry::Root::LocalMachine, key, "OEMBackground", value), Registry::Result::Ok);
    EXPECT_EQ(std::get<uint32_t>(value), 1u);
    EXPECT_EQ(registry.get(Registry::Root::CurrentUser, key, "OEMBackground", value), Registry::Result::NotFound);

    EXPECT_EQ(registry.remove(Registry::Root::LocalMachine, key, "OEMBackground"), Registry::Result::Ok);
    EXPECT_EQ(registry.get(Registry::Root::LocalMachine, key, "OEMBackground", value), Registry::Result::NotFound);
}

} // namespace
