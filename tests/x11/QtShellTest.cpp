#include "WaitUntil.h"

#include "platform/QtShell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

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

// A stand-in for polkit's pkexec, first on the search path: it notes its
// arguments and then either runs them, as after the user agreed, or ends as
// pkexec does when the user declines.
class FakePkexec {
public:
    explicit FakePkexec(bool agree)
    {
        writeScript("pkexec", "printf '%s\\n' \"$@\" > \"" + file("arguments") + "\"\n" +
                                  (agree ? "exec \"$@\"\n" : "exit 126\n"));
        // The program started: it notes what it was given and runs on.
        writeScript("yulavin", "echo $$ > \"" + file("pid") + ".part\"\nenv > \"" +
                                   file("environment") + "\"\nmv \"" + file("pid") + ".part\" \"" +
                                   file("pid") + "\"\nexec sleep 30\n");
    }
    ~FakePkexec()
    {
        const qint64 pid = read("pid").trimmed().toLongLong();
        if (pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
    FakePkexec(const FakePkexec&) = delete;
    FakePkexec& operator=(const FakePkexec&) = delete;

    QString program() const { return m_dir.filePath("yulavin"); }
    QByteArray file(const char* name) const { return QFile::encodeName(m_dir.filePath(name)); }
    QByteArray read(const char* name) const
    {
        QFile found(m_dir.filePath(name));
        return found.open(QIODevice::ReadOnly) ? found.readAll() : QByteArray();
    }

private:
    void writeScript(const char* name, const QByteArray& body)
    {
        QFile script(m_dir.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir m_dir;
    ScopedEnv m_searchPath{"PATH", QFile::encodeName(m_dir.path()) + ":/usr/bin:/bin"};
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
    QtShell shell;
    ASSERT_TRUE(shell.runElevated(pkexec.program()));
    ASSERT_TRUE(waitUntil([&] { return !pkexec.read("pid").isEmpty(); }, 5000));
    const QList<QByteArray> arguments = pkexec.read("arguments").split('\n');
    EXPECT_EQ(arguments.value(0), "/usr/bin/env");
    EXPECT_EQ(arguments.value(arguments.size() - 2), QFile::encodeName(pkexec.program()));
    const QByteArray environment = pkexec.read("environment");
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
        QtShell shell;
        EXPECT_FALSE(shell.runElevated(pkexec.program()));
        EXPECT_FALSE(pkexec.read("arguments").isEmpty());
        EXPECT_TRUE(pkexec.read("pid").isEmpty());
    }
    QTemporaryDir empty;
    ScopedEnv path("PATH", QFile::encodeName(empty.path()));
    QtShell shell;
    EXPECT_FALSE(shell.runElevated("/opt/yulavin/yulavin"));
}
