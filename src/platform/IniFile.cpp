#include "platform/IniFile.h"

#include "platform/RegularFile.h"

#include <QList>
#include <QStringDecoder>

namespace platform {

namespace {

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString IniFile::decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
        return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    QByteArrayView view(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (utf8.hasError())
        return QString::fromLatin1(view.data(), view.size());
    return text;
}

IniFile::IniFile(const QString& path, qsizetype headSize)
{
    // No file at all (no language chosen) reads as an empty one, quietly.
    if (path.isEmpty())
        return;
    auto file = RegularFile::read(path, kMaxFileSize, headSize);
    if (!file)
        return;
    m_open = true;
    if (!file->whole) {
        // A line cut in two would read as a shorter value, or spoil the
        // decoding of everything before it.
        const bool utf16 = file->bytes.startsWith("\xFF\xFE");
        file->bytes.truncate(file->bytes.lastIndexOf('\n') + (utf16 ? 2 : 1));
    }
    const QString text = decode(file->bytes);
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            const QString name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed().toString();
            m_sections.push_back({name, {}});
            current = &m_sections.back();
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (!current || equals < 0 || trimmed.startsWith(u';'))
            continue;
        current->entries.push_back({trimmed.left(equals).trimmed().toString(),
                                    unquoted(trimmed.mid(equals + 1).trimmed().toString())});
    }
}

QString IniFile::value(const QString& section, const QString& key,
                       const QString& defaultValue) const
{
    for (const Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const Entry& entry : s.entries) {
            if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
                return entry.value.left(kMaxValueLength);
        }
        // Only the first section of a name is searched, as the reader does.
        break;
    }
    return defaultValue.left(kMaxValueLength);
}

} // namespace platform
