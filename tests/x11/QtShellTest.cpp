#include "support/WaitUntil.h"

#include "platform/QtShell.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using platform::QtShell;

namespace {

// Sets an environment variable for one scope and puts the old value back.
struct ScopedEnv {
    ScopedEnv(const char* variable, const QByteArray& value) : name(variable), old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { old.isNull() ? qunsetenv(name) : qputenv(name, old); }
    const char* name;
    QByteArray old;
};

// A stand-in for polkit's pkexec, first on the search path: it notes its
// arguments, then runs them as after the user agreed, or ends as pkexec does
// when the user declines. The program it starts notes its environment and
// its process id, and waits to be ended.
struct FakePkexec {
    explicit FakePkexec(bool agree)
    {
        script("pkexec", "printf '%s\\n' \"$@\" > \"$0.arguments\"\n" +
                             QByteArray(agree ? "exec \"$@\"" : "exit 126"));
        script("yulavin", "env > \"$0.environment\"; echo $$ > \"$0.part\"\n"
                          "mv \"$0.part\" \"$0.pid\"; exec sleep 30");
    }
    ~FakePkexec()
    {
        if (const int pid = read("yulavin.pid").trimmed().toInt(); pid > 0)
            ::kill(pid, SIGKILL);
    }
    void script(const char* name, const QByteArray& body)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString program() const { return dir.filePath("yulavin"); }
    QByteArray read(const char* name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ScopedEnv path{"PATH", QFile::encodeName(dir.path()) + ":/usr/bin:/bin"};
};

} // namespace

// Web addresses go to the browser as written (a query with spaces or
// Cyrillic words encoded, not rejected); anything else is a local file.
TEST(QtShell, TargetIsTheWebAddressOrTheLocalFile)
{
    const struct {
        QString target;
        QString opened;
    } cases[] = {
        {QString::fromUtf8("https://example.org/wallpapers?tag=новый+год&lng=ru"),
         "https://example.org/"
         "wallpapers?tag=%D0%BD%D0%BE%D0%B2%D1%8B%D0%B9+%D0%B3%D0%BE%D0%B4&lng=ru"},
        {"http://example.org/xmascountdown", "http://example.org/xmascountdown"},
        {"/tmp/credits page.html", "file:///tmp/credits%20page.html"},
        {"file:///tmp/credits%20page.html", "file:///tmp/credits%20page.html"},
        {"credits.html", QUrl::fromLocalFile(QDir::current().absoluteFilePath("credits.html"))
                             .toString(QUrl::FullyEncoded)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtShell::targetUrl(c.target).toString(QUrl::FullyEncoded), c.opened)
            << c.target.toStdString();
    }
}

TEST(QtShell, EmptyTargetOrMissingFileOpensNothing)
{
    QTemporaryDir dir;
    QtShell shell;
    EXPECT_FALSE(QtShell::targetUrl(QString()).isValid());
    EXPECT_FALSE(shell.open(QString()));
    EXPECT_FALSE(shell.open(dir.filePath("no such page.html")));
}

TEST(QtShell, ElevatedCopyGetsTheSessionAndRunsOnceTheUserAgrees)
{
    FakePkexec pkexec(true);
    ScopedEnv display("DISPLAY", ":77");
    ScopedEnv xauthority("XAUTHORITY", "/tmp/xauthority-test");
    ScopedEnv version("YULAVIN_WINDOWS_VERSION", "6.1");
    ASSERT_TRUE(QtShell().runElevated(pkexec.program()));
    ASSERT_TRUE(waitUntil([&] { return !pkexec.read("yulavin.pid").isEmpty(); }, 5000));
    EXPECT_TRUE(pkexec.read("pkexec.arguments").startsWith("/usr/bin/env\n"));
    const QByteArray environment = pkexec.read("yulavin.environment");
    for (const QByteArray& pair :
         {QByteArray("DISPLAY=:77"), QByteArray("XAUTHORITY=/tmp/xauthority-test"),
          "XDG_CONFIG_HOME=" + qgetenv("XDG_CONFIG_HOME"),
          "XDG_DATA_HOME=" + qgetenv("XDG_DATA_HOME"),
          "XDG_RUNTIME_DIR=" + qgetenv("XDG_RUNTIME_DIR"),
          QByteArray("YULAVIN_WINDOWS_VERSION=6.1")})
        EXPECT_TRUE(environment.contains(pair + "\n")) << pair.constData();
}

TEST(QtShell, ADeclinedOrImpossibleElevationStartsNothing)
{
    {
        FakePkexec pkexec(false);
        EXPECT_FALSE(QtShell().runElevated(pkexec.program()));
        EXPECT_FALSE(pkexec.read("pkexec.arguments").isEmpty());
        EXPECT_TRUE(pkexec.read("yulavin.environment").isEmpty());
    }
    QTemporaryDir empty;
    ScopedEnv path("PATH", QFile::encodeName(empty.path()));
    EXPECT_FALSE(QtShell().runElevated("/opt/yulavin/yulavin"));
}
