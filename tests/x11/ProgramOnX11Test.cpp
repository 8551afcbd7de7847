#include "WaitUntil.h"
#include "XServerSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// The real program on a real X server with a window manager, as a user starts it.
class ProgramOnX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("openbox");
        REQUIRE_PROGRAM("xdotool");
        ASSERT_TRUE(m_session->startWindowManager());
        QDir().mkpath(m_home.path() + "/config");
        QDir().mkpath(m_home.path() + "/run");
        QFile::setPermissions(m_home.path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void TearDown() override
    {
        if (!m_session)
            return;
        m_session->stopWindowManager();
    }

    void prepare(QProcess& program)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_session->displayName());
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("QT_SCALE_FACTOR");
        env.insert("XDG_CONFIG_HOME", m_home.path() + "/config");
        env.insert("XDG_RUNTIME_DIR", m_home.path() + "/run");
        program.setProcessEnvironment(env);
        program.setProgram(QStringLiteral(YULAVIN_BIN_DIR "/yulavin"));
        program.setReadChannel(QProcess::StandardError);
    }

    bool xdotool(const QStringList& arguments) const { return m_session->xdotool(arguments); }

    // The windows of every running copy of the program that the user can see.
    QStringList visibleWindows() const
    {
        QProcess search;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_session->displayName());
        search.setProcessEnvironment(env);
        search.start("xdotool", {"search", "--onlyvisible", "--class", "yulavin"});
        if (!search.waitForFinished(10000))
            return {};
        return QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    QString settingsPath() const { return m_home.path() + "/config/Varnel/Yulavin/settings.xml"; }

    XServerSession* m_session = nullptr;
    QTemporaryDir m_home;
};

TEST_F(ProgramOnX11Test, SecondCopySaysSoAndEndsWhileTheFirstRunsOn)
{
    QProcess first;
    prepare(first);
    first.start();
    QByteArray said;
    ASSERT_TRUE(waitUntil(
        [&] {
            said += first.readAllStandardError();
            return said.contains("Yulavin runs");
        },
        20000));

    // The first copy shows its window: there is no notification area here.
    QStringList firstWindows;
    ASSERT_TRUE(waitUntil(
        [&] {
            firstWindows = visibleWindows();
            return !firstWindows.isEmpty();
        },
        20000));
    QProcess second;
    prepare(second);
    second.start();
    QString box;
    ASSERT_TRUE(waitUntil(
        [&] {
            for (const QString& window : visibleWindows()) {
                if (!firstWindows.contains(window))
                    box = window;
            }
            return !box.isEmpty();
        },
        20000))
        << "no message box";
    ASSERT_TRUE(xdotool({"windowactivate", "--sync", box}));
    ASSERT_TRUE(xdotool({"key", "Return"}));
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

} // namespace
