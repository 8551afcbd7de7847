#include "platform/FileRegistry.h"

#include <QDir>
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

struct AutostartCase {
    const char* program;
    // The Exec line gio starts the program from; empty when none can.
    const char* exec;
};

class AutostartEntryTest : public FileRegistryTest,
                           public ::testing::WithParamInterface<AutostartCase> {};

// The whole entry as written, and gone with the value.
TEST_P(AutostartEntryTest, EntryStartsTheExactPathOrIsNotWritten)
{
    const QString run = QString::fromLatin1(Registry::kRunKey);
    const QString program = QString::fromUtf8(GetParam().program);
    if (!*GetParam().exec) {
        EXPECT_EQ(registry.set(kUser, run, "Yulavin", program, false), Result::Error);
        EXPECT_EQ(registry.get(kUser, run, "Yulavin", value), Result::NotFound);
        return;
    }
    ASSERT_EQ(registry.set(kUser, run, "Yulavin", program, false), Result::Ok);
    QFile entry(dir.filePath("autostart/Yulavin.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_EQ(entry.readAll().toStdString(),
              "[Desktop Entry]\nType=Application\nName=Yulavin\n"
              "Comment=Seasonal decorations for the desktop\nExec=" +
                  std::string(GetParam().exec) +
                  "\nIcon=yulavin\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
    ASSERT_EQ(registry.get(kUser, run, "Yulavin", value), Result::Ok);
    EXPECT_EQ(std::get<QString>(value), program);
    EXPECT_EQ(registry.remove(kUser, run, "Yulavin"), Result::Ok);
    EXPECT_FALSE(entry.exists());
    EXPECT_EQ(registry.remove(kUser, run, "Yulavin"), Result::NotFound);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AutostartEntryTest,
    ::testing::Values(
        AutostartCase{
            "/home/ann/My Apps/50% \"off\"/$HOME\\yulavin",
            "/usr/bin/env \"/home/ann/My Apps/50%% \\\\\"off\\\\\"/\\\\$HOME\\\\\\\\yulavin\""},
        AutostartCase{"/opt/t\tab/yulavin", "\"/opt/t\\tab/yulavin\""},
        AutostartCase{"/opt/new\nline/yulavin", "\"/opt/new\\nline/yulavin\""},
        AutostartCase{"/opt/a=50%/yulavin", ""}));

struct EntryTextCase {
    const char* text;
    Result read;
};

class AutostartSwitchTest : public FileRegistryTest,
                            public ::testing::WithParamInterface<EntryTextCase> {};

// An entry the user switched off in the desktop's start-up settings is off.
TEST_P(AutostartSwitchTest, EntryIsReadAsTheDesktopReadsIt)
{
    QDir().mkpath(dir.filePath("autostart"));
    QFile entry(dir.filePath("autostart/Yulavin.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write(QByteArray("[Desktop Entry]\nType=Application\nExec = /usr/bin/yulavin\n") +
                GetParam().text);
    entry.close();
    EXPECT_EQ(registry.get(kUser, QString::fromLatin1(Registry::kRunKey), "Yulavin", value),
              GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AutostartSwitchTest,
    ::testing::Values(EntryTextCase{"", Result::Ok},
                      EntryTextCase{"Hidden=true\n", Result::NotFound},
                      EntryTextCase{"X-GNOME-Autostart-enabled=false\n", Result::NotFound},
                      EntryTextCase{"X-GNOME-Autostart-enabled=true\nHidden=false\n", Result::Ok},
                      EntryTextCase{"[Desktop Action off]\nHidden=true\n", Result::Ok}));

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
