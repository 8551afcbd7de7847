// The input is an autostart entry found on disk, and what follows its last NUL byte (if any) is
// a program path to start at logon: a disabled entry never reads as on, and any path is written
// as a valid entry (no control character in a value) that reads back as that path.
#include "platform/FileRegistry.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

using platform::Registry;

// Disabled beyond doubt: the one [Desktop Entry] group says Hidden=true or
// X-GNOME-Autostart-enabled=false in exactly those bytes, and neither key appears in any other way.
bool plainlyDisabled(const QByteArray& entry)
{
    static const QByteArrayList kPlain = {"Hidden=true", "Hidden=false",
                                          "X-GNOME-Autostart-enabled=false",
                                          "X-GNOME-Autostart-enabled=true"};
    if (entry.count("[Desktop Entry]") != 1 || entry.count("Hidden") > 1 ||
        entry.count("X-GNOME-Autostart-enabled") > 1)
        return false;
    bool inEntry = false;
    bool disabled = false;
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
        } else if (line.contains("Hidden") || line.contains("X-GNOME-Autostart-enabled")) {
            if (!inEntry || !kPlain.contains(line))
                return false;
            disabled = disabled || line == kPlain[0] || line == kPlain[2];
        }
    }
    return disabled;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    platform::FileRegistry registry(folder.path() + QStringLiteral("/registry.ini"), folder.path());
    const QString run = QLatin1String(Registry::kRunKey);
    const QString entryPath = folder.path() + QStringLiteral("/Yulavin.desktop");
    QFile file(entryPath);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    Registry::Value value;
    const Registry::Result found =
        registry.get(Registry::Root::CurrentUser, run, QStringLiteral("Yulavin"), value);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (found == Registry::Result::Ok && plainlyDisabled(bytes)) {
        std::fprintf(stderr, "a disabled autostart entry reads as on\n");
        std::abort();
    }

    const qsizetype nul = bytes.lastIndexOf('\0');
    const QString program = QString::fromUtf8(bytes.mid(nul + 1));
    if (nul < 0 || registry.set(Registry::Root::CurrentUser, run, QStringLiteral("Yulavin"),
                                program, false, Registry::View::Native) != Registry::Result::Ok)
        return 0;
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    for (const char c : file.readAll()) {
        if (uchar(c) < 0x20 && c != '\n') {
            std::fprintf(stderr, "control character %d in the written entry\n", c);
            std::abort();
        }
    }
    value = QString();
    registry.get(Registry::Root::CurrentUser, run, QStringLiteral("Yulavin"), value);
    if (value != Registry::Value(program)) {
        std::fprintf(stderr, "program path %s reads back as %s\n", qPrintable(program),
                     qPrintable(std::get<QString>(value)));
        std::abort();
    }
    return 0;
}
