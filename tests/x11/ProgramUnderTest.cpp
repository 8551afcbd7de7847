#include "ProgramUnderTest.h"

#include "ScreenInspection.h"
#include "WaitUntil.h"
#include "XServerSession.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <csignal>

ProgramUnderTest::ProgramUnderTest(XServerSession& session) : m_session(session)
{
    QDir().mkpath(m_home.path() + "/config/Varnel/Yulavin");
    QDir().mkpath(m_home.path() + "/run");
    QFile::setPermissions(m_home.path() + "/run",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

ProgramUnderTest::~ProgramUnderTest()
{
    terminate();
}

QByteArray ProgramUnderTest::settingsFile(const QString& settings)
{
    const QString allOff = "Language=English fSnow=0 fGarland=0 fTree=0 fCursorEnable=0 "
                           "fFrostEnable=0 iSoundStartup=0 iSoundEveryHour=0 iSoundBackground=0 "
                           "fDisableAtHighLoad=0 fAutoRun=0 ";
    QMap<QString, QString> values;
    for (const QString& pair : (allOff + settings).split(' ', Qt::SkipEmptyParts))
        values[pair.section('=', 0, 0)] = pair.section('=', 1);
    QByteArray xml = "<Options>";
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        xml += QStringLiteral("<%1>%2</%1>").arg(it.key(), it.value()).toUtf8();
    return xml + "</Options>";
}

void ProgramUnderTest::writeSettings(const QString& settings)
{
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(settingsFile(settings));
}

QByteArray ProgramUnderTest::settings() const
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<QProcess> ProgramUnderTest::launch() const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_session.displayName());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("QT_SCALE_FACTOR");
    env.insert("XDG_CONFIG_HOME", m_home.path() + "/config");
    env.insert("XDG_RUNTIME_DIR", m_home.path() + "/run");
    process->setProcessEnvironment(env);
    process->setReadChannel(QProcess::StandardError);
    process->start(QStringLiteral(YULAVIN_BIN_DIR "/yulavin"));
    return process;
}

bool ProgramUnderTest::start()
{
    m_process = launch();
    QByteArray said;
    // A program that ended (a crash, a refusal) will never say it runs.
    return waitUntil(
               [&] {
                   said += m_process->readAllStandardError();
                   return said.contains("Yulavin runs") || !running();
               },
               kStartLimitMs) &&
           said.contains("Yulavin runs");
}

bool ProgramUnderTest::terminate()
{
    if (!running())
        return true;
    ::kill(static_cast<pid_t>(m_process->processId()), SIGTERM);
    if (!m_process->waitForFinished(kEndLimitMs)) {
        m_process->kill();
        m_process->waitForFinished(5000);
        return false;
    }
    return m_process->exitStatus() == QProcess::NormalExit;
}

bool ProgramUnderTest::running() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

pid_t ProgramUnderTest::pid() const
{
    return running() ? static_cast<pid_t>(m_process->processId()) : 0;
}

std::vector<unsigned long> ProgramUnderTest::decorationWindows() const
{
    if (!running())
        return {};
    return screen_inspection::decorationWindowsOf(m_session.display(),
                                                  static_cast<pid_t>(m_process->processId()));
}

bool ProgramUnderTest::waitForDecorations(size_t count, int timeoutMs) const
{
    return waitUntil([&] { return decorationWindows().size() == count; }, timeoutMs);
}
