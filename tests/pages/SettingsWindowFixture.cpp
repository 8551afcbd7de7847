#include "SettingsWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QTimer>

SettingsWindowFixture::SettingsWindowFixture()
{
    app.m_strModulePath = services.system.programPath();
    loadLanguage(app.m_options.Language);
}

SettingsWindowFixture::~SettingsWindowFixture() = default;

void SettingsWindowFixture::writeLanguage(const QString& english, const QString& native,
                                          const std::vector<std::pair<int, QString>>& texts) const
{
    QString file =
        QStringLiteral("[Language]\nlang_en=%1\nlang_native=%2\n[Text]\n").arg(english, native);
    for (const auto& [id, text] : texts)
        file += QStringLiteral("%1=%2\n").arg(id).arg(text);
    FakePlatform::writeFile(
        services.programDir() + QLatin1Char('/') + english + QStringLiteral(".lng"), file.toUtf8());
}

void SettingsWindowFixture::copyShippedLanguages() const
{
    const QDir shipped(QStringLiteral(YULAVIN_BIN_DIR));
    for (const QString& name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files))
        QFile::copy(shipped.filePath(name), services.programDir() + QLatin1Char('/') + name);
}

void SettingsWindowFixture::loadLanguage(const QString& language)
{
    app.m_options.Language = language;
    app.m_translate.LoadLanguage(language);
}

void SettingsWindowFixture::runWindow(const std::function<void(CZelDlg&)>& whileRunning,
                                      bool startHidden)
{
    CZelDlg dlg;
    dlg.m_bStartHidden = startHidden;
    app.m_pMainDlg = &dlg;
    QTimer::singleShot(0, &dlg, [&] {
        whileRunning(dlg);
        dlg.OnTrayExit();
    });
    dlg.DoModal();
    app.m_pMainDlg = nullptr;
}

bool SettingsWindowFixture::runProgram(const std::function<void(CZelDlg&)>& whileRunning)
{
    QTimer::singleShot(0, [&] { whileRunning(*app.m_pMainDlg); });
    return app.InitInstance();
}
