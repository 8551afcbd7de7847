#include "platform/FileRegistry.h"

#include "platform/FolderOwner.h"

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

// gio looks for the program of an entry before it turns "%%" back into "%",
// finds none and never starts it; env gets its argument after that step.
const QString kPercentWrapper = QStringLiteral("/usr/bin/env ");

// The escapes of a Desktop Entry string value, undone.
QString unescapedValue(const QString& value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        text += next == u's'   ? QChar(u' ')
                : next == u'n' ? QChar(u'\n')
                : next == u't' ? QChar(u'\t')
                : next == u'r' ? QChar(u'\r')
                               : next;
    }
    return text;
}

// The arguments of an Exec line, quoted or plain, with "%%" read as "%".
QStringList execArguments(const QString& exec)
{
    const QString text = unescapedValue(exec);
    QStringList arguments;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n') {
            ++i;
            continue;
        }
        QString argument;
        if (text[i] == u'"') {
            for (++i; i < text.size() && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < text.size())
                    ++i;
                argument += text[i];
            }
            ++i;
        } else {
            for (; i < text.size() && text[i] != u' ' && text[i] != u'\t'; ++i)
                argument += text[i];
        }
        arguments.append(argument.replace(QStringLiteral("%%"), QStringLiteral("%")));
    }
    return arguments;
}

} // namespace

FileRegistry::FileRegistry(QString valuesFile, QString autostartDir)
    : m_valuesFile(std::move(valuesFile)), m_autostartDir(std::move(autostartDir))
{
}

bool FileRegistry::isRunValue(Root root, const QString& key) const
{
    return root == Root::CurrentUser &&
           key.compare(QLatin1String(kRunKey), Qt::CaseInsensitive) == 0;
}

QString FileRegistry::autostartFile(const QString& name) const
{
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    return m_autostartDir + QLatin1Char('/') + safe + QStringLiteral(".desktop");
}

QString FileRegistry::execLineFor(const QString& program)
{
    // env would take a program whose path holds "=" for a variable to set.
    const bool wrapped = program.contains(u'%');
    if (wrapped && program.contains(u'='))
        return {};
    // A desktop entry has no way to write other control characters.
    for (const QChar c : program)
        if ((c.unicode() < 0x20 && c != u'\n' && c != u'\t' && c != u'\r') || c.unicode() == 0x7f)
            return {};
    // One quoted argument: inside the quotes these four take a backslash.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    // Then the line is a string value of its own: backslashes and control
    // characters escaped, and "%" doubled so that it is no field code.
    QString line = wrapped ? kPercentWrapper : QString();
    for (const QChar c : quoted) {
        if (c == u'\\')
            line += QStringLiteral("\\\\");
        else if (c == u'\n')
            line += QStringLiteral("\\n");
        else if (c == u'\t')
            line += QStringLiteral("\\t");
        else if (c == u'\r')
            line += QStringLiteral("\\r");
        else if (c == u'%')
            line += QStringLiteral("%%");
        else
            line += c;
    }
    return line;
}

QString FileRegistry::programFromExecLine(const QString& exec)
{
    QStringList arguments = execArguments(exec);
    if (arguments.size() > 1 && arguments.front() == kPercentWrapper.trimmed())
        arguments.removeFirst();
    return arguments.value(0);
}

Registry::Result FileRegistry::get(Root root, const QString& key, const QString& name, Value& out)
{
    if (isRunValue(root, key)) {
        QFile file(autostartFile(name));
        if (!file.exists())
            return Result::NotFound;
        if (!file.open(QIODevice::ReadOnly))
            return Result::Error;
        // Only the main group counts, and an entry the user switched off in
        // the desktop's start-up settings starts nothing.
        QString group;
        QString program;
        for (const QByteArray& bytes : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(bytes).trimmed();
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                group = line.mid(1, line.size() - 2);
                continue;
            }
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (group != QLatin1String("Desktop Entry") || equals < 0)
                continue;
            const QString entryKey = line.left(equals).trimmed();
            const QString entryValue = line.mid(equals + 1).trimmed();
            if (entryKey == QLatin1String("Exec"))
                program = programFromExecLine(entryValue);
            else if ((entryKey == QLatin1String("Hidden") && entryValue == QLatin1String("true")) ||
                     (entryKey == QLatin1String("X-GNOME-Autostart-enabled") &&
                      entryValue == QLatin1String("false")))
                return Result::NotFound;
        }
        if (program.isEmpty())
            return Result::NotFound;
        out = program;
        return Result::Ok;
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
        if (!FolderOwner::MakePath(m_autostartDir))
            return Result::Error;
        const QString exec = execLineFor(std::get<QString>(value));
        if (exec.isEmpty())
            return Result::Error;
        QSaveFile file(autostartFile(name));
        if (!file.open(QIODevice::WriteOnly))
            return Result::Error;
        QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\n"
                                       "Comment=Seasonal decorations for the desktop\n"
                                       "Exec=%2\nIcon=yulavin\nTerminal=false\n"
                                       "X-GNOME-Autostart-enabled=true\n")
                            .arg(name, exec);
        file.write(entry.toUtf8());
        if (!file.commit())
            return Result::Error;
        FolderOwner::HandOver(autostartFile(name));
        return Result::Ok;
    }
    FolderOwner::MakePath(QFileInfo(m_valuesFile).path());
    QSettings values(m_valuesFile, QSettings::IniFormat);
    values.beginGroup(groupFor(root, key));
    // A key exists in the file as long as it holds a value.
    if (!createKey && values.childKeys().isEmpty() && values.childGroups().isEmpty())
        return Result::NotFound;
    if (std::holds_alternative<QString>(value))
        values.setValue(encodeName(name), QStringLiteral("sz:") + std::get<QString>(value));
    else
        values.setValue(encodeName(name),
                        QStringLiteral("dword:%1").arg(std::get<uint32_t>(value)));
    values.endGroup();
    values.sync();
    FolderOwner::HandOver(m_valuesFile);
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
    FolderOwner::HandOver(m_valuesFile);
    return values.status() == QSettings::NoError ? Result::Ok : Result::Error;
}

} // namespace platform
