#include "ProgramUnderTest.h"

#include "ScreenInspection.h"
#include "WaitUntil.h"
#include "XServerSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
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

QByteArray
ProgramUnderTest::settingsWith(std::initializer_list<std::pair<const char*, QString>> settings)
{
    std::vector<std::pair<QString, QString>> all = {
        {"Language", "English"},   {"fSnow", "0"},
        {"fGarland", "0"},         {"fTree", "0"},
        {"fCursorEnable", "0"},    {"fFrostEnable", "0"},
        {"iSoundStartup", "0"},    {"iSoundEveryHour", "0"},
        {"iSoundBackground", "0"}, {"fDisableAtHighLoad", "0"},
        {"fAutoRun", "0"}};
    for (const auto& [key, value] : settings) {
        auto same = std::find_if(all.begin(), all.end(),
                                 [&](const auto& entry) { return entry.first == key; });
        if (same != all.end())
            same->second = value;
        else
            all.emplace_back(key, value);
    }
    QByteArray xml = "<Options>";
    for (const auto& [key, value] : all)
        xml += QStringLiteral("<%1>%2</%1>").arg(key, value).toUtf8();
    return xml + "</Options>";
}

void ProgramUnderTest::writeSettings(const QByteArray& xml)
{
    QFile file(m_home.path() + "/config/Varnel/Yulavin/settings.xml");
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(xml);
}

QByteArray ProgramUnderTest::settings() const
{
    QFile file(m_home.path() + "/config/Varnel/Yulavin/settings.xml");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramUnderTest::setting(const char* key) const
{
    const QRegularExpression element(QStringLiteral("<%1>([^<]*)</%1>").arg(key));
    const QRegularExpressionMatch match = element.match(QString::fromUtf8(settings()));
    return match.hasMatch() ? match.captured(1) : QString();
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
    return waitUntil(
        [&] {
            said += m_process->readAllStandardError();
            return said.contains("Yulavin runs");
        },
        20000);
}

bool ProgramUnderTest::exitThroughTrayMenu()
{
    if (!running())
        return false;
    // The icon is the program's one window that is no decoration.
    auto otherWindows = [&] {
        std::vector<unsigned long> others = viewableWindows();
        const std::vector<unsigned long> decorations = decorationWindows();
        std::erase_if(others, [&](unsigned long window) {
            return std::find(decorations.begin(), decorations.end(), window) != decorations.end();
        });
        return others;
    };
    std::vector<unsigned long> others;
    if (!waitUntil([&] { return (others = otherWindows()).size() == 1; }, 10000))
        return false;
    const QString icon = QString::number(others.front());
    // A click the icon missed while it was still settling in the tray is
    // made again, as a user would.
    const bool menuShown = waitUntil(
        [&] {
            if (otherWindows().size() >= 2)
                return true;
            m_session.xdotool({"mousemove", "--window", icon, "8", "8", "click", "3"});
            return waitUntil([&] { return otherWindows().size() >= 2; }, 1000);
        },
        10000);
    // Exit is the menu's last entry.
    if (!menuShown || !m_session.xdotool({"key", "Up", "Return"}))
        return false;
    return m_process->waitForFinished(20000) && m_process->exitStatus() == QProcess::NormalExit &&
           m_process->exitCode() == 0;
}

bool ProgramUnderTest::terminate()
{
    if (!running())
        return true;
    ::kill(static_cast<pid_t>(m_process->processId()), SIGTERM);
    if (!m_process->waitForFinished(20000)) {
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

long long ProgramUnderTest::pid() const
{
    return m_process ? m_process->processId() : 0;
}

std::vector<unsigned long> ProgramUnderTest::viewableWindows() const
{
    if (!running())
        return {};
    return screen_inspection::viewableWindowsOf(m_session.display(), static_cast<pid_t>(pid()));
}

std::vector<unsigned long> ProgramUnderTest::decorationWindows() const
{
    if (!running())
        return {};
    return screen_inspection::decorationWindowsOf(m_session.display(), static_cast<pid_t>(pid()));
}

bool ProgramUnderTest::waitForDecorations(size_t count, int timeoutMs) const
{
    return waitUntil([&] { return decorationWindows().size() == count; }, timeoutMs);
}
