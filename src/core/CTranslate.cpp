#include "core/CTranslate.h"

#include "core/ProgramResources.h"
#include "platform/IniFile.h"
#include "platform/SystemInfo.h"

#include <QComboBox>
#include <QDir>

namespace {

const QString kUnknown = QStringLiteral("Unknown");

QString languageName(const platform::IniFile& file, const char* key)
{
    return file.value(QStringLiteral("Language"), QLatin1String(key), kUnknown);
}

} // namespace

CTranslate::CTranslate(platform::SystemInfo& system)
{
    const QString path = system.programPath();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        m_strFolder = path.left(slash);
}

CTranslate::~CTranslate() = default;

QStringList CTranslate::LanguageFiles() const
{
    if (m_strFolder.isEmpty())
        return {};
    // A folder has no fixed order on Linux; the name order keeps the list
    // entries and the files in step between calls.
    const QDir folder(m_strFolder);
    const QStringList names =
        folder.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::Readable,
                         QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QString& name : names)
        paths << m_strFolder + QLatin1Char('/') + name;
    return paths;
}

void CTranslate::LoadLanguage(const QString& language)
{
    QString source;
    for (const QString& path : LanguageFiles()) {
        if (languageName(platform::IniFile(path, platform::IniFile::kHeadSize), "lang_en") ==
            language) {
            source = path;
            break;
        }
    }
    const platform::IniFile file(source);
    for (unsigned id = 0;; ++id) {
        const QString english = LoadResourceString(id);
        if (english.isEmpty())
            break;
        QString text = file.isOpen()
                           ? file.value(QStringLiteral("Text"), QString::number(id), english)
                           : english;
        text.replace(QLatin1String("\\t"), QLatin1String("\t"));
        text.replace(QLatin1String("\\n"), QLatin1String("\n"));
        if (id >= m_arrText.size())
            m_arrText.resize(id + 1);
        m_arrText[id] = text;
    }
}

void CTranslate::FillLanguageList(QComboBox* list, const QString& language)
{
    // A combo box selects its first entry by itself; keep what was there.
    int selected = list->currentIndex();
    for (const QString& path : LanguageFiles()) {
        const platform::IniFile file(path, platform::IniFile::kHeadSize);
        list->addItem(languageName(file, "lang_native"));
        if (languageName(file, "lang_en") == language)
            selected = list->count() - 1;
    }
    list->setCurrentIndex(selected);
}

void CTranslate::GetSelectedLanguage(QComboBox* list, QString& language)
{
    const int selected = list->currentIndex();
    if (selected < 0)
        return;
    const QStringList files = LanguageFiles();
    if (selected >= files.size())
        return;
    language =
        languageName(platform::IniFile(files[selected], platform::IniFile::kHeadSize), "lang_en");
}
