#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CDlgSnow;
class CxSkinButton;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;

// The Snow page: the kind of snow, how much of it falls, the wind, how fast it
// falls, and whether it piles up. Every change goes to the settings and at
// once to the running snow.
class CDlgTabSnow final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabSnow(const PageContext& context, CDlgSnow& decoration);
    ~CDlgTabSnow() override;

    static const CONTROL_TEXT SNOW_TEXTS[12];

    void RefreshTexts() override;

    // 0 "On Desktop", 1 "On Top".
    int m_nDisplay = 0;
    QRadioButton* m_radioDesktop = nullptr;
    QRadioButton* m_radioTop = nullptr;
    QComboBox* m_comboType = nullptr;
    QCheckBox* m_chkTypeRandom = nullptr;
    std::unique_ptr<QImage> m_pImageBack;
    CxSkinButton* m_btnHelp = nullptr;
    QSlider* m_sliderSpeed = nullptr;
    QCheckBox* m_chkWindRandom = nullptr;
    QSlider* m_sliderWind = nullptr;
    QCheckBox* m_chkDensityRandom = nullptr;
    QSlider* m_sliderDensity = nullptr;
    QCheckBox* m_chkEnable = nullptr;
    QCheckBox* m_chkAccumulate = nullptr;

    void OnEnableClicked();
    void OnDensityReleased();
    void OnDensityRandomClicked();
    void OnWindReleased();
    void OnWindRandomClicked();
    void OnSpeedReleased();
    void OnDisplayDesktop();
    void OnDisplayTop();
    void OnTypeSelChange();
    void OnTypeRandomClicked();
    void OnAccumulateClicked();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The running decoration the page changes as the user picks.
    CDlgSnow& m_decoration;
};
