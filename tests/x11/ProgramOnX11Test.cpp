#include "WaitUntil.h"
#include "XServerSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

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
        if (!m_session)
            return;
        m_session->stopTrayHost();
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

    // Waits until the program shows `count` windows; the action runs at once
    // and again every second while nothing changes, as a user clicks again
    // on an icon that did not react.
    bool actUntilWindows(qsizetype count, const std::function<void()>& action)
    {
        QElapsedTimer sinceAction;
        action();
        sinceAction.start();
        return waitUntil(
            [&] {
                if (visibleWindows().size() >= count)
                    return true;
                if (sinceAction.elapsed() > 1000) {
                    action();
                    sinceAction.start();
                }
                return false;
            },
            20000);
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
    EXPECT_FALSE(QFile::exists(m_home.path() + "/config/Varnel/Yulavin/settings.xml"));

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFile::exists(m_home.path() + "/config/Varnel/Yulavin/settings.xml"));
}

TEST_F(ProgramOnX11Test, IconOpensTheWindowAndExitInItsMenuEndsTheProgram)
{
    if (!XServerSession::programInstalled("trayer"))
        GTEST_SKIP() << "trayer is not installed";
    ASSERT_TRUE(m_session->startTrayHost());
    QDir().mkpath(QFileInfo(settingsPath()).path());
    QFile settings(settingsPath());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    // No decoration windows, so that the program's windows are the icon,
    // the settings window and the menu.
    settings.write("<Options><Language>English</Language><uSnowSpeed>9</uSnowSpeed>"
                   "<fSnow>0</fSnow><fGarland>0</fGarland><fTree>0</fTree>"
                   "<fCursorEnable>0</fCursorEnable><fFrostEnable>0</fFrostEnable></Options>");
    settings.close();

    QProcess program;
    prepare(program);
    program.start();
    QByteArray said;
    ASSERT_TRUE(waitUntil(
        [&] {
            said += program.readAllStandardError();
            return said.contains("Yulavin runs");
        },
        20000));
    EXPECT_TRUE(said.contains("window is hidden")) << said.toStdString();
    // With a settings file the window stays hidden: the icon is all there is.
    QStringList windows;
    ASSERT_TRUE(waitUntil(
        [&] {
            windows = visibleWindows();
            return !windows.isEmpty();
        },
        20000))
        << "no icon";
    ASSERT_EQ(windows.size(), 1) << windows.join(' ').toStdString();
    const QString icon = windows.front();

    ASSERT_TRUE(actUntilWindows(2, [&] {
        xdotool({"mousemove", "--window", icon, "8", "8", "click", "--repeat", "2", "--delay",
                 "120", "1"});
    })) << "a double click showed no window";
    ASSERT_TRUE(actUntilWindows(3, [&] {
        xdotool({"mousemove", "--window", icon, "8", "8", "click", "3"});
    })) << "a right click showed no menu";
    // Exit is the menu's last entry.
    ASSERT_TRUE(xdotool({"key", "Up", "Return"}));
    ASSERT_TRUE(program.waitForFinished(20000));
    m_session->stopTrayHost();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray xml = settings.readAll();
    EXPECT_TRUE(xml.contains("<uSnowSpeed>9</uSnowSpeed>"));
    EXPECT_TRUE(xml.contains("<LogonImage>blue</LogonImage></Options>"));
}

} // namespace
