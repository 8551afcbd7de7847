#include "platform/FolderOwner.h"
#include "platform/FileRegistry.h"
#include "platform/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::FolderOwner;

constexpr uid_t kUser = 65534;

uid_t ownerOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_uid : uid_t(-1);
}

// What root writes into a user's folder stays the user's, so that the user's
// own copy of the program can still change it.
TEST(FolderOwner, RootsFilesInAUsersFolderGoToTheUser)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    QTemporaryDir dir;
    const QString home = dir.filePath("home");
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_EQ(::chown(QFile::encodeName(home).constData(), kUser, kUser), 0);

    platform::FileRegistry files(home + "/config/Varnel/Yulavin/registry.ini",
                                 home + "/config/autostart");
    platform::Registry& registry = files;
    using Root = platform::Registry::Root;
    registry.set(Root::LocalMachine, "Software\\Test", "Value", uint32_t{1}, true);
    registry.set(Root::CurrentUser, platform::Registry::kRunKey, "Yulavin",
                 QString("/opt/yulavin/yulavin"), false);
    auto settings = platform::XmlDocument::create();
    ASSERT_TRUE(settings->loadXml("<Options><fSnow>1</fSnow></Options>"));
    ASSERT_TRUE(settings->save(home + "/config/Varnel/Yulavin/settings.xml"));
    ASSERT_TRUE(FolderOwner::MakePath(home + "/data/Yulavin/windows/System32"));

    for (const char* path :
         {"config", "config/Varnel", "config/Varnel/Yulavin", "config/Varnel/Yulavin/registry.ini",
          "config/Varnel/Yulavin/settings.xml", "config/autostart",
          "config/autostart/Yulavin.desktop", "data", "data/Yulavin/windows/System32"})
        EXPECT_EQ(ownerOf(home + "/" + QLatin1String(path)), kUser) << path;
    registry.remove(Root::LocalMachine, "Software\\Test", "Value");
    EXPECT_EQ(ownerOf(home + "/config/Varnel/Yulavin/registry.ini"), kUser);

    // Root's own folders keep root's files.
    const QString rootsFile = dir.filePath("root.txt");
    QFile(rootsFile).open(QIODevice::WriteOnly);
    FolderOwner::HandOver(rootsFile);
    EXPECT_EQ(ownerOf(rootsFile), 0u);
}

} // namespace
