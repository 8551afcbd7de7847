#pragma once

#include <QString>

#include <vector>

namespace platform {

// Reads INI files the way the Windows profile reader does: section and key
// names match without regard to case, the first of several equal names wins,
// names and values lose surrounding blanks and a value loses one pair of
// enclosing quotes. Files starting with a UTF-16LE byte-order mark are read as
// UTF-16, others as UTF-8 (Latin-1 where they are not valid UTF-8).
class IniFile final {
public:
    // Values longer than this are cut, as by the reader's 1024-character buffer.
    static constexpr qsizetype kMaxValueLength = 1023;

    // Language files are a few kilobytes; a larger file is not read at all.
    static constexpr qsizetype kMaxFileSize = 1 << 20;
    // Enough for a file's first section: what telling files apart needs.
    static constexpr qsizetype kHeadSize = 64 << 10;

    // Reads the whole file, or only its first headSize bytes (whole lines).
    // Anything but a regular file reads as a missing one.
    explicit IniFile(const QString& path, qsizetype headSize = -1);

    bool isOpen() const { return m_open; }
    // defaultValue when the file, the section or the key is missing.
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;

    static QString decode(const QByteArray& bytes);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    bool m_open = false;
    std::vector<Section> m_sections;
};

} // namespace platform
