#include "platform/FileRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace platform {

namespace {

QString rootName(Registry::Root root)
{
    switch (root) {
    case Registry::Root::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case Registry::Root::Users:
        return QStringLiteral("HKEY_USERS");
    case Registry::Root::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    }
    return {};
}

// Registry key and value names are case-insensitive; the file keeps one spelling.
QString groupFor(Registry::Root root, const QString& key)
{
    QString path = key.toLower();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return rootName(root) + QLatin1Char('/') + path;
}

QString encodeName(const QString& name)
{
    return QString::fromLatin1(name.toLower().toUtf8().toPercentEncoding());
}

} // namespace

FileRegistry::FileRegistry(QString valuesFile, QString autostartDir)
    : m_valuesFile(std::move(valuesFile)), m_autostartDir(std::move(autostartDir))
{
}

bool FileRegistry::isRunValue(Root root, const QString& key) const
{
    return root == Root::CurrentUser && key.compare(QLatin1String(kRunKey), Qt::CaseInsensitive) == 0;
}

QString FileRegistry::autostartFile(const QString& name) const
{
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    return m_autostartDir + QLatin1Char('/') + safe + QStringLiteral(".desktop");
}

QString FileRegistry::execLineFor(const QString& program)
{
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    // The Exec value is itself a string value: backslashes and field codes escaped.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

QString FileRegistry::programFromExecLine(const QString& exec)
{
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == u'\\' && i + 1 < exec.size() && exec[i + 1] == u'\\') {
            value += QLatin1Char('\\');
            ++i;
        } else if (exec[i] == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%') {
            value += QLatin1Char('%');
            ++i;
        } else {
            value += exec[i];
        }
    }
    // The first argument, quoted or plain.
    QString program;
    if (value.startsWith(QLatin1Char('"'))) {
        for (qsizetype i = 1; i < value.size() && value[i] != u'"'; ++i) {
            if (value[i] == u'\\' && i + 1 < value.size())
                ++i;
            program += value[i];
        }
    } else {
        program = value.section(QLatin1Char(' '), 0, 0);
    }
    return program;
}

Registry::Result FileRegistry::get(Root root, const QString& key, const QString& name, Value& out)
{
    if (isRunValue(root, key)) {
        QFile file(autostartFile(name));
        if (!file.exists())
            return Result::NotFound;
        if (!file.open(QIODevice::ReadOnly))
            return Result::Error;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("Exec=")) {
                out = programFromExecLine(QString::fromUtf8(line.mid(5)).trimmed());
                return Result::Ok;
            }
        }
        return Result::NotFound;
    }
    QSettings values(m_valuesFile, QSettings::IniFormat);
    values.beginGroup(groupFor(root, key));
    const QString stored = values.value(encodeName(name)).toString();
    if (stored.startsWith(QLatin1String("sz:"))) {
        out = stored.mid(3);
        return Result::Ok;
    }
    if (stored.startsWith(QLatin1String("dword:"))) {
        out = stored.mid(6).toUInt();
        return Result::Ok;
    }
    return Result::NotFound;
}

Registry::Result FileRegistry::set(Root root, const QString& key, const QString& name,
                                   const Value& value, bool createKey, View)
{
    if (isRunValue(root, key)) {
        // The Run key always exists; an autostart entry only starts programs.
        if (!std::holds_alternative<QString>(value))
            return Result::Error;
        if (!QDir().mkpath(m_autostartDir))
            return Result::Error;
        QSaveFile file(autostartFile(name));
        if (!file.open(QIODevice::WriteOnly))
            return Result::Error;
        const QString program = std::get<QString>(value);
        QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\n"
                                       "Comment=Seasonal decorations for the desktop\n"
                                       "Exec=%2\nIcon=yulavin\nTerminal=false\n"
                                       "X-GNOME-Autostart-enabled=true\n")
                            .arg(name, execLineFor(program));
        file.write(entry.toUtf8());
        return file.commit() ? Result::Ok : Result::Error;
    }
    QDir().mkpath(QFileInfo(m_valuesFile).path());
    QSettings values(m_valuesFile, QSettings::IniFormat);
    values.beginGroup(groupFor(root, key));
    // A key exists in the file as long as it holds a value.
    if (!createKey && values.childKeys().isEmpty() && values.childGroups().isEmpty())
        return Result::NotFound;
    if (std::holds_alternative<QString>(value))
        values.setValue(encodeName(name), QStringLiteral("sz:") + std::get<QString>(value));
    else
        values.setValue(encodeName(name), QStringLiteral("dword:%1").arg(std::get<uint32_t>(value)));
    values.endGroup();
    values.sync();
    return values.status() == QSettings::NoError ? Result::Ok : Result::Error;
}

Registry::Result FileRegistry::remove(Root root, const QString& key, const QString& name, View)
{
    if (isRunValue(root, key)) {
        QFile file(autostartFile(name));
        if (!file.exists())
            return Result::NotFound;
        return file.remove() ? Result::Ok : Result::Error;
    }
    QSettings values(m_valuesFile, QSettings::IniFormat);
    values.beginGroup(groupFor(root, key));
    if (!values.contains(encodeName(name)))
        return Result::NotFound;
    values.remove(encodeName(name));
    values.endGroup();
    values.sync();
    return values.status() == QSettings::NoError ? Result::Ok : Result::Error;
}

} // namespace platform
