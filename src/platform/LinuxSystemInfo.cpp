#include "platform/LinuxSystemInfo.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

namespace {
constexpr std::pair<int, int> kDefaultVersion{10, 0};
}

LinuxSystemInfo::LinuxSystemInfo()
    : m_version(parseVersion(qEnvironmentVariable("YULAVIN_WINDOWS_VERSION")))
{
}

std::pair<int, int> LinuxSystemInfo::parseVersion(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,3})\\.(\\d{1,3})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return kDefaultVersion;
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

bool LinuxSystemInfo::versionAtLeast(int major, int minor)
{
    return m_version >= std::pair{major, minor};
}

QString LinuxSystemInfo::programPath()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString LinuxSystemInfo::expandEnvironment(const QString& text)
{
    static const QRegularExpression variable(QStringLiteral("%([^%]+)%"));
    QString result;
    qsizetype last = 0;
    for (auto it = variable.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        result += QStringView(text).mid(last, match.capturedStart() - last);
        const QString name = match.captured(1);
        QString value;
        if (name.compare(QLatin1String("APPDATA"), Qt::CaseInsensitive) == 0)
            value = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        else if (name.compare(QLatin1String("windir"), Qt::CaseInsensitive) == 0)
            value = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                    QStringLiteral("/Yulavin/windows");
        else if (qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
            value = qEnvironmentVariable(name.toLocal8Bit().constData());
        else
            value = match.captured(0);
        result += value;
        last = match.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result;
}

QString LinuxSystemInfo::runtimeDir()
{
    // A copy restarted as administrator for the user keeps the user's folder,
    // where the user's lock is: Qt would turn it down as not root's own, and
    // a lock elsewhere would let a second copy start beside this one.
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (geteuid() == 0 && !session.isEmpty() && QFileInfo(session).isDir())
        return session;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool LinuxSystemInfo::isAdministrator()
{
    return geteuid() == 0;
}

void LinuxSystemInfo::exitNow(int code)
{
    _exit(code);
}

} // namespace platform
