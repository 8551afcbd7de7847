#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <functional>
#include <memory>

class CHighLoad;
class CxSkinButton;
class QCheckBox;
class QComboBox;

// The General page: the language of every text, starting with the desktop
// session, and hiding the decorations while a full-screen program or the
// screen saver runs.
class CDlgTabGeneral final : public SettingsPage {
    Q_OBJECT
public:
    // programPath is what the autostart entry starts; applyLanguage re-applies
    // every text of the settings window after the user picks a language.
    CDlgTabGeneral(const PageContext& context, CHighLoad& highLoad, QString programPath,
                   std::function<void()> applyLanguage);
    ~CDlgTabGeneral() override;

    // The page's captions; the settings window sets them with the others.
    static const CONTROL_TEXT GENERAL_TEXTS[4];

    std::unique_ptr<QImage> m_pImageBack;
    std::unique_ptr<QImage> m_pImageTop;
    QComboBox* m_comboLanguage = nullptr;
    QCheckBox* m_chkAutoRun = nullptr;
    CxSkinButton* m_btnHelp = nullptr;
    QCheckBox* m_chkHighLoad = nullptr;

    void OnLanguageSelChange();
    void OnAutoRunClicked();
    void OnDisableAtHighLoadClicked();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Writes this program's path as the value that starts it with the
    // session; false when the key could not be opened.
    bool WriteRunValue();
    // Whether the value that starts a program with the session names this one.
    bool RunValueIsThisProgram();

    CHighLoad& m_highLoad;
    QString m_strModulePath;
    std::function<void()> m_applyLanguage;
};
