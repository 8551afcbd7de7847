// Any language file beside the program: listing it, choosing it and reading its texts.
#include "FakeSystemInfo.h"
#include "core/CTranslate.h"
#include "core/ProgramResources.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    static FakeSystemInfo system;
    system.m_programPath = folder.path() + QStringLiteral("/yulavin");
    const QString path = folder.path() + QStringLiteral("/Hostile.lng");
    QFile file(path);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    const QString language =
        platform::IniFile(path).value(QStringLiteral("Language"), QStringLiteral("lang_en"), {});
    CTranslate texts(system);
    texts.LoadLanguage(language);
    // Every text the program asks for exists, and none is longer than the reader's buffer.
    for (unsigned id = 0; !LoadResourceString(id).isEmpty(); ++id) {
        if (texts.m_arrText.at(id).size() > platform::IniFile::kMaxValueLength)
            std::abort();
    }
    return 0;
}
