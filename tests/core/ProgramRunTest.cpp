#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// How long a start and an end may take, even in a sanitized build on a busy
// machine; a failing case reports after these, not at CTest's limit.
constexpr int kStartLimitMs = 10000;
constexpr int kEndLimitMs = 10000;

// Starts the real program on the offscreen platform in a private home and
// waits until it says it runs its main loop; what it said is in `said`.
void startProgram(QProcess& program, const QString& home, QByteArray& said)
{
    QDir().mkpath(home + "/run");
    QFile::setPermissions(home + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home + "/config");
    env.insert("XDG_RUNTIME_DIR", home + "/run");
    program.setProcessEnvironment(env);
    program.setReadChannel(QProcess::StandardError);
    program.start(QStringLiteral(YULAVIN_BIN_DIR "/yulavin"), {});
    const QDeadlineTimer deadline(kStartLimitMs);
    while (!said.contains("Yulavin runs")) {
        ASSERT_TRUE(program.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            << said.toStdString();
        said += program.readAllStandardError();
    }
}

// The real program ended as a session end ends it.
class ProgramRunTest : public ::testing::TestWithParam<int> {};

TEST_P(ProgramRunTest, SessionEndSavesTheSettingsAndEndsCleanly)
{
    QTemporaryDir home;
    QProcess program;
    QByteArray said;
    ASSERT_NO_FATAL_FAILURE(startProgram(program, home.path(), said));
    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(kEndLimitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QFile settings(home.path() + "/config/Varnel/Yulavin/settings.xml");
    QFile firstRun(YULAVIN_SOURCE_DIR "/tests/core/first-run-settings.xml");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly) && firstRun.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll().toStdString(), firstRun.readAll().toStdString());
}

// At a logout nobody is left to answer a message box: a settings file that
// cannot be written is reported once in the log, and the program still ends
// at once rather than when the session manager loses patience.
TEST(ProgramSessionEndTest, UnsavableSettingsAreLoggedOnceAndTheProgramEnds)
{
    QTemporaryDir home;
    // A folder where the file belongs stops even a user who may write anywhere.
    QDir().mkpath(home.path() + "/config/Varnel/Yulavin/settings.xml");
    QProcess program;
    QByteArray said;
    ASSERT_NO_FATAL_FAILURE(startProgram(program, home.path(), said));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(5000)) << "the program waits for an answer";
    EXPECT_EQ(program.exitCode(), 0);
    said += program.readAllStandardError();
    EXPECT_EQ(said.count("Unable to save XML document."), 1) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramRunTest, ::testing::Values(SIGTERM, SIGHUP));

// A settings file in another encoding, with text of the user's own around the
// settings, comes back from two runs in its own encoding, whole (only the line
// breaks between the nodes go), and the same both times: nothing is cut or
// encoded twice.
TEST(ProgramSettingsFileTest, LatinOneFileSurvivesRunsInItsOwnEncoding)
{
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/config/Varnel/Yulavin");
    QFile settings(home.path() + "/config/Varnel/Yulavin/settings.xml");
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><!-- r\xe9glages -->";
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QByteArray(head).replace(">", ">\n") +
                   "<Options><LogonImage>caf\xe9</LogonImage></Options>\n");
    settings.close();
    QByteArray afterRun[2];
    for (QByteArray& bytes : afterRun) {
        QProcess program;
        QByteArray said;
        ASSERT_NO_FATAL_FAILURE(startProgram(program, home.path(), said));
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(kEndLimitMs));
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
        bytes = settings.readAll();
        settings.close();
    }
    EXPECT_TRUE(afterRun[0].startsWith(head)) << afterRun[0].toStdString();
    EXPECT_TRUE(afterRun[0].contains("<LogonImage>caf\xe9</LogonImage>"));
    EXPECT_TRUE(afterRun[0].contains("<fSnow>1</fSnow>"));
    EXPECT_EQ(afterRun[1], afterRun[0]);
}

struct NoDisplayCase {
    const char* display;
    const char* said;
};

// Without a display the program names the failed one and ends with status 1,
// rather than aborting with advice to reinstall it.
class NoDisplayTest : public ::testing::TestWithParam<NoDisplayCase> {};

TEST_P(NoDisplayTest, SaysWhyAndEndsWithStatusOne)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    if (*GetParam().display)
        env.insert("DISPLAY", GetParam().display);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(YULAVIN_BIN_DIR "/yulavin"), {});
    ASSERT_TRUE(program.waitForFinished(kEndLimitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError().toStdString(),
              std::string("Yulavin needs an X11 display: ") + GetParam().said + "\n");
}

INSTANTIATE_TEST_SUITE_P(Displays, NoDisplayTest,
                         ::testing::Values(NoDisplayCase{"", "DISPLAY is not set"},
                                           NoDisplayCase{":4093", "cannot connect to :4093"}));

} // namespace
