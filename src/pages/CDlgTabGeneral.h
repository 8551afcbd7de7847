#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CxSkinButton;
class QCheckBox;
class QComboBox;

// The General page: the language of every text, starting with the desktop
// session, and hiding the decorations while a full-screen program or the
// screen saver runs.
class CDlgTabGeneral final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabGeneral();
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
};
