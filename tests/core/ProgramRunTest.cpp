#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// The real program, on the offscreen platform in a private home, ended as a
// session end ends it.
class ProgramRunTest : public ::testing::TestWithParam<int> {};

TEST_P(ProgramRunTest, SessionEndSavesTheSettingsAndEndsCleanly)
{
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/run");
    QFile::setPermissions(home.path() + "/run",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/run");
    QProcess program;
    program.setProcessEnvironment(env);
    program.setReadChannel(QProcess::StandardError);
    program.start(QStringLiteral(YULAVIN_BIN_DIR "/yulavin"), {});
    // Bounded wait until the program says it runs its first-run main loop.
    QByteArray said;
    while (!said.contains("Yulavin runs")) {
        ASSERT_TRUE(program.waitForReadyRead(20000)) << said.toStdString();
        said += program.readAllStandardError();
    }
    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QFile settings(home.path() + "/config/Varnel/Yulavin/settings.xml");
    QFile firstRun(YULAVIN_SOURCE_DIR "/tests/core/first-run-settings.xml");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly) && firstRun.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll().toStdString(), firstRun.readAll().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramRunTest, ::testing::Values(SIGTERM, SIGHUP));

} // namespace
