#include "WaitUntil.h"

#include "platform/QtShell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::QtShell;

namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(QtShellTarget, WebAddressKeepsItsQuery)
{
    const QUrl url = QtShell::targetUrl(
        QString::fromUtf8("https://example.org/wallpapers?tag=новый+год&lng=ru"));
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.toString(QUrl::FullyEncoded),
              QStringLiteral("https://example.org/wallpapers?tag=%D0%BD%D0%BE%D0%B2%D1%8B%D0%B9+"
                             "%D0%B3%D0%BE%D0%B4&lng=ru"));
}

TEST(QtShellTarget, PlainAddressWithoutSlashStaysAsWritten)
{
    EXPECT_EQ(QtShell::targetUrl("http://example.org/xmascountdown").toString(),
              QStringLiteral("http://example.org/xmascountdown"));
}

TEST(QtShellTarget, PathBecomesALocalFile)
{
    const QUrl url = QtShell::targetUrl("/tmp/credits page.html");
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QStringLiteral("/tmp/credits page.html"));
}

TEST(QtShellTarget, FileAddressStaysAnAddress)
{
    const QUrl url = QtShell::targetUrl("file:///tmp/credits%20page.html");
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QStringLiteral("/tmp/credits page.html"));
}

TEST(QtShellTarget, RelativePathMeansTheWorkingFolder)
{
    const QUrl url = QtShell::targetUrl("credits.html");
    EXPECT_EQ(url.toLocalFile(), QDir::current().absoluteFilePath("credits.html"));
}

TEST(QtShellOpen, EmptyTargetOpensNothing)
{
    QtShell shell;
    EXPECT_FALSE(QtShell::targetUrl(QString()).isValid());
    EXPECT_FALSE(shell.open(QString()));
}

TEST(QtShellOpen, MissingFileOpensNothing)
{
    QTemporaryDir dir;
    QtShell shell;
    EXPECT_FALSE(shell.open(dir.filePath("no such page.html")));
}

TEST(QtShellElevation, WithoutPkexecIsRefused)
{
    QTemporaryDir emptyDir;
    ScopedEnv path("PATH", emptyDir.path().toLocal8Bit());
    QtShell shell;
    EXPECT_FALSE(shell.runElevated("/opt/yulavin/yulavin"));
}

TEST(QtShellElevation, StartsTheProgramThroughPkexecOnTheSameDisplay)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("arguments");
    QFile script(dir.filePath("pkexec"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + log.toLocal8Bit() + ".part\"\nmv \"" +
                 log.toLocal8Bit() + ".part\" \"" + log.toLocal8Bit() + "\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ScopedEnv path("PATH", dir.path().toLocal8Bit() + ":/usr/bin:/bin");
    ScopedEnv display("DISPLAY", ":77");
    ScopedEnv xauthority("XAUTHORITY", "/tmp/xauthority-test");
    QtShell shell;
    ASSERT_TRUE(shell.runElevated("/opt/yulavin/yulavin"));

    ASSERT_TRUE(waitUntil([&] { return QFile::exists(log); }, 5000));
    QFile arguments(log);
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    EXPECT_EQ(arguments.readAll(),
              QByteArray("/usr/bin/env\nDISPLAY=:77\nXAUTHORITY=/tmp/xauthority-test\n"
                         "/opt/yulavin/yulavin\n"));
}
