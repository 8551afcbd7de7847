#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CDlgLights;
class CxSkinButton;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;

// The Lights page: which garland hangs round the screen, how it flashes and
// whether it stays above the windows. Every change goes to the settings and
// at once to the running garland.
class CDlgTabLights final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabLights(const PageContext& context, CDlgLights& decoration);
    ~CDlgTabLights() override;

    static const CONTROL_TEXT LIGHTS_TEXTS[10];

    void RefreshTexts() override;

    QComboBox* m_comboGarland = nullptr;
    QComboBox* m_comboFlash = nullptr;
    QSlider* m_sliderFlashSpeed = nullptr;
    QCheckBox* m_chkFlashRandom = nullptr;
    QCheckBox* m_chkGarlandRandom = nullptr;
    QCheckBox* m_chkEnable = nullptr;
    // 0 "On Desktop", 1 "On Top".
    int m_nDisplay = 0;
    QRadioButton* m_radioDesktop = nullptr;
    QRadioButton* m_radioTop = nullptr;
    std::unique_ptr<QImage> m_pImageBack;
    CxSkinButton* m_btnHelp = nullptr;

    void OnGarlandSelChange();
    void OnFlashSelChange();
    void OnFlashSpeedReleased();
    void OnFlashRandomClicked();
    void OnGarlandRandomClicked();
    void OnEnableClicked();
    void OnDisplayDesktop();
    void OnDisplayTop();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The running decoration the page changes as the user picks.
    CDlgLights& m_decoration;
};
