// Any settings file: the program reads it, saves over it at exit, and the next start must read
// the same values back from a file that parses; every later save writes the same bytes.
#include "FakeSystemInfo.h"
#include "core/COptions.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// The first start may complain about the file it finds; the second one finds the file the first
// one saved in a writable folder, so any message box then is a fault.
class StrictDialogs final : public platform::Dialogs {
public:
    Answer messageBox(QWidget*, const QString& text, const QString&, Style) override
    {
        std::fprintf(stderr, "message box: %s\n", qPrintable(text));
        if (strict)
            std::abort();
        return Answer::Ok;
    }
    void messageBoxAsync(QWidget* owner, const QString& text, const QString& caption, Style style,
                         std::function<void(Answer)> onAnswer) override
    {
        onAnswer(messageBox(owner, text, caption, style));
    }
    bool strict = false;
};

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray startAndExit(const platform::Platform& services, StrictDialogs& dialogs, bool again)
{
    dialogs.strict = again;
    COptions options(services);
    options.Load();
    if (again && !options.m_bFileRead) {
        std::fprintf(stderr, "the saved file does not load:\n%s\n", read(options.m_strPath).data());
        std::abort();
    }
    options.Save();
    return read(options.m_strPath);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    static FakeSystemInfo system;
    static StrictDialogs dialogs;
    static platform::Platform services;
    system.m_appData = folder.path();
    services.system = &system;
    services.dialogs = &dialogs;

    const QString path = folder.path() + QStringLiteral("/Varnel/Yulavin/settings.xml");
    QFile file(path);
    if (!(folder.isValid() && QDir().mkpath(folder.path() + QStringLiteral("/Varnel/Yulavin")) &&
          file.open(QIODevice::WriteOnly) &&
          file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size)))
        std::abort();
    file.close();

    const QByteArray first = startAndExit(services, dialogs, false);
    const QByteArray second = startAndExit(services, dialogs, true);
    if (first != second) {
        std::fprintf(stderr, "the second save changed the file:\n%s\n---\n%s\n", first.constData(),
                     second.constData());
        std::abort();
    }
    return 0;
}
