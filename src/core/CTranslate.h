#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;

namespace platform {
class SystemInfo;
}

// Every text the program shows, in the user's language, indexed by text id.
// English is built in; other languages come from "*.lng" files in the
// program's folder.
class CTranslate {
public:
    // The language files are looked for beside the program.
    explicit CTranslate(platform::SystemInfo& system);
    virtual ~CTranslate();

    // (Re)fills the table in the language whose file names it (lang_en); any
    // text the file lacks is English.
    void LoadLanguage(const QString& language);
    // Appends each language file's own name to the list and selects the entry
    // of the given language.
    void FillLanguageList(QComboBox* list, const QString& language);
    // Writes the English name of the selected entry's language; leaves it
    // unchanged when nothing is selected.
    void GetSelectedLanguage(QComboBox* list, QString& language);

    QString m_strFolder;
    // Readers take text i with m_arrText.at(i), which throws past the end.
    std::vector<QString> m_arrText;

private:
    // The language files in a stable order (by name), as full paths.
    QStringList LanguageFiles() const;
};
