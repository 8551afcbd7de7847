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
        if (!XServerSession::current())
            GTEST_SKIP() << "Xvfb is not installed";
        m_session = XServerSession::current();
        ASSERT_TRUE(m_session->available());
        if (!XServerSession::programInstalled("openbox") ||
            !XServerSession::programInstalled("xdotool"))
            GTEST_SKIP() << "openbox or xdotool is not installed";
        ASSERT_TRUE(m_session->startWindowManager());
        QDir().mkpath(m_home.path() + "/config");
        QDir().mkpath(m_home.path() + "/run");
        QFile::setPermissions(m_home.path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void TearDown() override
    {
        if (m_session)
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

    bool xdotool(const QStringList& arguments) const
    {
        return m_session->run(QStringList{QStringLiteral("xdotool")} + arguments) == 0;
    }

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

    QProcess second;
    prepare(second);
    second.start();
    const QStringList findBox = {"search", "--onlyvisible", "--name", "^Yulavin$"};
    ASSERT_TRUE(waitUntil([&] { return xdotool(findBox); }, 20000)) << "no message box";
    ASSERT_TRUE(xdotool(findBox + QStringList{"windowactivate", "--sync"}));
    ASSERT_TRUE(xdotool({"key", "Return"}));
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(m_home.path() + "/config/Varnel/Yulavin/settings.xml"));

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFile::exists(m_home.path() + "/config/Varnel/Yulavin/settings.xml"));
}

} // namespace
